#pragma once

#include <string>
#include <windows.h>

// The path in the form that Win32 file calls take beyond MAX_PATH characters: absolute, with
// backslashes, behind "\\?\" ("\\?\UNC\" for a share). A path already in that form, or one that
// cannot be made absolute, is returned as it is.
inline std::wstring ToExtendedLengthPath(const std::wstring& strPath)
{
    if (strPath.rfind(L"\\\\?\\", 0) == 0 || strPath.empty())
    {
        return strPath;
    }
    const DWORD nSize = GetFullPathNameW(strPath.c_str(), 0, nullptr, nullptr);
    if (nSize == 0)
    {
        return strPath;
    }
    std::wstring strFull(nSize, L'\0');
    const DWORD nLength = GetFullPathNameW(strPath.c_str(), nSize, strFull.data(), nullptr);
    if (nLength == 0 || nLength >= nSize)
    {
        return strPath;
    }
    strFull.resize(nLength);
    if (strFull.rfind(L"\\\\", 0) == 0)
    {
        return L"\\\\?\\UNC\\" + strFull.substr(2);
    }
    return L"\\\\?\\" + strFull;
}
