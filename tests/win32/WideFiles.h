#pragma once

#include "support/TestFolder.h"

#include <string>

// The wide path of a file in a test folder, as the Windows adapters take it.
inline std::wstring WideFile(const CTestFolder& folder, const std::wstring& strName)
{
    return (folder.Path() / strName).wstring();
}

// A path as the narrow text that environment variables hold (the test paths are ASCII).
inline std::string NarrowPath(const std::wstring& strPath)
{
    return std::filesystem::path(strPath).string();
}
