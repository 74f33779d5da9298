#include "diagnostics/WorkFolder.h"

#include "diagnostics/FileExists.h"
#include "diagnostics/PathText.h"
#include "support/PathSeparator.h"

std::wstring JoinPath(std::wstring strFirst, std::wstring strSecond)
{
    return JoinPathWith(std::move(strFirst), std::move(strSecond), GetPathSeparator());
}

std::wstring GetWorkFolderPath()
{
    return JoinPath(GetTempDirectory(), kWorkFolderName);
}

std::wstring GetReportPath()
{
    return JoinPath(GetTempDirectory(), std::wstring(kWorkFolderName) + L"/" + kReportFileName);
}

std::wstring GetShortReportPath()
{
    return JoinPath(GetShortWorkFolder(), kReportFileName);
}

bool FileExistsNormalized(std::wstring strPath)
{
    ReplaceAll(strPath, L"/", std::wstring(1, GetPathSeparator()));
    return FileExists(strPath.c_str());
}
