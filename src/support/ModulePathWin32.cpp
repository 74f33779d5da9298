#include "support/ModulePath.h"

#include <windows.h>

std::wstring GetModulePath()
{
    wchar_t szPath[MAX_PATH] = {};
    const DWORD nLength = GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    // A path cut to the buffer is no path at all.
    if (nLength == 0 || nLength >= MAX_PATH)
    {
        return std::wstring();
    }
    return std::wstring(szPath, nLength);
}
