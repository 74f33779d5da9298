#include "diagnostics/DiagnosticsCapture.h"
#include "support/TextConvert.h"
#include "support/UniqueHandleWin32.h"

#include <atomic>
#include <cstdlib>
#include <vector>

namespace
{
constexpr const wchar_t* kDiagnosticsTool = L"dxdiag.exe";

// The collector while it runs, for EndRunningCollector, which a console's control handler calls
// from a thread of its own.
std::atomic<HANDLE> g_hRunningCollector{nullptr};

// "dxdiag.exe /whql:off /x PATH": the arguments go in as they are, without quotation marks. Only
// a program named by the override may hold blanks, and is quoted then.
std::wstring BuildCommandLine(const std::wstring& strProgram,
                              const std::vector<std::wstring>& aArguments)
{
    std::wstring strCommand =
        strProgram.find(L' ') != std::wstring::npos ? L"\"" + strProgram + L"\"" : strProgram;
    for (const std::wstring& strArgument : aArguments)
    {
        strCommand += L" " + strArgument;
    }
    return strCommand;
}
} // namespace

std::wstring FindCollectorProgram()
{
    const wchar_t* pszOverride = _wgetenv(Utf8ToWide(kCollectorVariable).c_str());
    if (pszOverride != nullptr && *pszOverride != L'\0')
    {
        return pszOverride;
    }
    return kDiagnosticsTool;
}

SChildOutcome RunCollector(const std::wstring& strProgram,
                           const std::vector<std::wstring>& aArguments,
                           const std::wstring& strWorkingDirectory, std::chrono::seconds timeout)
{
    const std::wstring strCommand = BuildCommandLine(strProgram, aArguments);
    std::vector<wchar_t> aCommand(strCommand.begin(), strCommand.end());
    aCommand.push_back(L'\0');
    // The current folder's buffer holds 259 characters and its terminator; a longer short path
    // is cut there, and the start then fails on a folder that does not exist.
    wchar_t szDirectory[MAX_PATH] = {};
    lstrcpynW(szDirectory, strWorkingDirectory.c_str(), MAX_PATH);
    szDirectory[MAX_PATH - 1] = L'\0';

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, aCommand.data(), nullptr, nullptr, FALSE, 0, nullptr, szDirectory,
                        &startup, &process))
    {
        return SChildOutcome{};
    }
    const CKernelHandle thread(process.hThread);
    const CKernelHandle child(process.hProcess);
    g_hRunningCollector.store(child.Get());
    const DWORD nWaited =
        WaitForSingleObject(child.Get(), static_cast<DWORD>(timeout.count() * 1000));
    g_hRunningCollector.store(nullptr);
    if (nWaited != WAIT_OBJECT_0)
    {
        // Still running when its time was up: ended, and the capture fails.
        TerminateProcess(child.Get(), static_cast<UINT>(kCaptureFailed));
        WaitForSingleObject(child.Get(), INFINITE);
        return SChildOutcome{true, false, true, 0, false};
    }
    DWORD nExitCode = 0;
    if (!GetExitCodeProcess(child.Get(), &nExitCode))
    {
        return SChildOutcome{}; // the exit code could not be read
    }
    return SChildOutcome{true, false, false, static_cast<int>(nExitCode), false};
}

void EndRunningCollector()
{
    const HANDLE hChild = g_hRunningCollector.load();
    if (hChild != nullptr)
    {
        TerminateProcess(hChild, static_cast<UINT>(kCaptureFailed));
    }
}
