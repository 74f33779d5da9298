// A stand-in for dxdiag.exe in the Windows tests, run through RIGVET_DXDIAG. It checks that it
// was called as "/whql:off /x REPORT", notes its command line and current folder, and then
// behaves as the variables ask:
//   RIGVET_FAKE_REPORT  a file to copy to REPORT (nothing is written without it)
//   RIGVET_FAKE_EXIT    the exit code, any 32-bit number (default 0)
//   RIGVET_FAKE_LOG     a file that receives one line: the command line, " | ", the current folder
//   RIGVET_FAKE_HELPER  a file: start a helper process that never ends, write its process id to
//                       the file, and never end either (a hung tool and what it started)
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <windows.h>

namespace
{
std::wstring ReadVariable(const wchar_t* pszName)
{
    const wchar_t* pszValue = _wgetenv(pszName);
    return pszValue != nullptr ? pszValue : L"";
}

void NoteCall()
{
    const std::wstring strLog = ReadVariable(L"RIGVET_FAKE_LOG");
    if (strLog.empty())
    {
        return;
    }
    wchar_t szFolder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, szFolder);
    const std::wstring strLine = std::wstring(GetCommandLineW()) + L" | " + szFolder + L"\n";
    FILE* pFile = _wfopen(strLog.c_str(), L"ab");
    if (pFile != nullptr)
    {
        std::fwrite(strLine.data(), sizeof(wchar_t), strLine.size(), pFile);
        std::fclose(pFile);
    }
}
// Starts this program again as the helper and notes the helper's process id in the file.
void StartHelper(const std::wstring& strPidFile)
{
    wchar_t szProgram[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, szProgram, MAX_PATH);
    std::wstring strCommand = std::wstring(L"\"") + szProgram + L"\" /helper";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(szProgram, strCommand.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
    {
        return;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    FILE* pFile = _wfopen(strPidFile.c_str(), L"w");
    if (pFile != nullptr)
    {
        std::fprintf(pFile, "%lu\n", process.dwProcessId);
        std::fclose(pFile);
    }
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc == 2 && std::wcscmp(argv[1], L"/helper") == 0)
    {
        Sleep(INFINITE);
    }
    NoteCall();
    if (argc != 4 || std::wcscmp(argv[1], L"/whql:off") != 0 || std::wcscmp(argv[2], L"/x") != 0)
    {
        return 2;
    }
    const std::wstring strSource = ReadVariable(L"RIGVET_FAKE_REPORT");
    if (!strSource.empty() && !CopyFileW(strSource.c_str(), argv[3], FALSE))
    {
        return 3;
    }
    const std::wstring strHelperFile = ReadVariable(L"RIGVET_FAKE_HELPER");
    if (!strHelperFile.empty())
    {
        StartHelper(strHelperFile);
        Sleep(INFINITE);
    }
    return static_cast<int>(std::wcstoul(ReadVariable(L"RIGVET_FAKE_EXIT").c_str(), nullptr, 10));
}
