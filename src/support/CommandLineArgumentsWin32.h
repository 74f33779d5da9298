#pragma once

#include <memory>
#include <shellapi.h>
#include <string>
#include <vector>
#include <windows.h>

// The process's arguments as CommandLineToArgvW splits its command line (quoted arguments with
// blanks stay whole), without the program name.
inline std::vector<std::wstring> ReadCommandLineArguments()
{
    struct SLocalFree
    {
        void operator()(LPWSTR* ppszArguments) const { LocalFree(ppszArguments); }
    };
    int nCount = 0;
    const std::unique_ptr<LPWSTR, SLocalFree> pArguments(
        CommandLineToArgvW(GetCommandLineW(), &nCount));
    std::vector<std::wstring> aArguments;
    for (int i = 1; pArguments != nullptr && i < nCount; ++i)
    {
        aArguments.emplace_back(pArguments.get()[i]);
    }
    return aArguments;
}
