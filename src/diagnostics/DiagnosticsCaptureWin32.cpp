#include "diagnostics/DiagnosticsCapture.h"
#include "support/TextConvert.h"
#include "support/UniqueHandleWin32.h"

#include <atomic>
#include <cstdlib>
#include <vector>

namespace
{
constexpr const wchar_t* kDiagnosticsTool = L"dxdiag.exe";

// The collector's job while it runs, for EndRunningCollector, which a console's control handler
// calls from a thread of its own.
std::atomic<HANDLE> g_hRunningJob{nullptr};
std::atomic<HANDLE> g_hRunningCollector{nullptr};

// A job that ends every process in it when its last handle closes, so that what the tool started
// goes with it, also when this program ends first.
CKernelHandle CreateCollectorJob()
{
    CKernelHandle job(CreateJobObjectW(nullptr, nullptr));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (job.IsValid() && !SetInformationJobObject(job.Get(), JobObjectExtendedLimitInformation,
                                                  &limits, sizeof(limits)))
    {
        job.Reset(nullptr);
    }
    return job;
}

// Starts the program suspended and puts it in the job before it runs, so that nothing it starts
// escapes the job. Where the system refuses (a program already in a job that allows no other,
// before Windows 8) the job is closed and the tool runs alone.
bool StartInJob(std::vector<wchar_t>& aCommand, const wchar_t* pszDirectory, CKernelHandle& job,
                PROCESS_INFORMATION& process)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(nullptr, aCommand.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                        nullptr, pszDirectory, &startup, &process))
    {
        return false;
    }
    if (job.IsValid() && !AssignProcessToJobObject(job.Get(), process.hProcess))
    {
        job.Reset(nullptr);
    }
    ResumeThread(process.hThread);
    return true;
}

void EndCollector(HANDLE hJob, HANDLE hChild)
{
    if (hJob != nullptr)
    {
        TerminateJobObject(hJob, static_cast<UINT>(kCaptureFailed));
    }
    TerminateProcess(hChild, static_cast<UINT>(kCaptureFailed));
}

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
                           const SCollectorPlace& place, std::chrono::seconds timeout)
{
    const std::wstring strCommand = BuildCommandLine(strProgram, aArguments);
    std::vector<wchar_t> aCommand(strCommand.begin(), strCommand.end());
    aCommand.push_back(L'\0');
    // The current folder's buffer holds 259 characters and its terminator; a longer short path
    // is cut there, and the start then fails on a folder that does not exist.
    wchar_t szDirectory[MAX_PATH] = {};
    lstrcpynW(szDirectory, place.strFolder.c_str(), MAX_PATH);
    szDirectory[MAX_PATH - 1] = L'\0';

    CKernelHandle job = CreateCollectorJob();
    PROCESS_INFORMATION process{};
    if (!StartInJob(aCommand, szDirectory, job, process))
    {
        return SChildOutcome{};
    }
    const CKernelHandle thread(process.hThread);
    const CKernelHandle child(process.hProcess);
    g_hRunningJob.store(job.Get());
    g_hRunningCollector.store(child.Get());
    const DWORD nWaited =
        WaitForSingleObject(child.Get(), static_cast<DWORD>(timeout.count() * 1000));
    g_hRunningCollector.store(nullptr);
    g_hRunningJob.store(nullptr);
    if (nWaited != WAIT_OBJECT_0)
    {
        // Still running when its time was up: ended with all it started, and the capture fails.
        EndCollector(job.Get(), child.Get());
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
        EndCollector(g_hRunningJob.load(), hChild);
    }
}
