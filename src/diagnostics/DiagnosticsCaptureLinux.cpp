#include "diagnostics/DiagnosticsCapture.h"
#include "support/InstallLayout.h"
#include "support/ModulePath.h"
#include "support/TextConvert.h"
#include "support/UniqueFdLinux.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace
{
using CClock = std::chrono::steady_clock;

// Where a pidfd cannot be had, the child is looked at this often.
constexpr std::chrono::milliseconds kPollInterval{10};

// The process group of the collector while it runs, for EndRunningCollector; 0 when none. Read
// in a signal handler, so it must be lock-free.
std::atomic<pid_t> g_nRunningGroup{0};
static_assert(std::atomic<pid_t>::is_always_lock_free);

// posix_spawn's file actions, released on every path.
class CSpawnActions
{
public:
    CSpawnActions() { posix_spawn_file_actions_init(&m_actions); }
    CSpawnActions(const CSpawnActions&) = delete;
    CSpawnActions& operator=(const CSpawnActions&) = delete;
    ~CSpawnActions() { posix_spawn_file_actions_destroy(&m_actions); }
    posix_spawn_file_actions_t* Get() { return &m_actions; }

private:
    posix_spawn_file_actions_t m_actions;
};

// posix_spawn's attributes, released on every path.
class CSpawnAttributes
{
public:
    CSpawnAttributes() { posix_spawnattr_init(&m_attributes); }
    CSpawnAttributes(const CSpawnAttributes&) = delete;
    CSpawnAttributes& operator=(const CSpawnAttributes&) = delete;
    ~CSpawnAttributes() { posix_spawnattr_destroy(&m_attributes); }
    posix_spawnattr_t* Get() { return &m_attributes; }

private:
    posix_spawnattr_t m_attributes;
};

sigset_t TerminatingSignals()
{
    sigset_t signals;
    sigemptyset(&signals);
    for (int nSignal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE})
    {
        sigaddset(&signals, nSignal);
    }
    return signals;
}

// Holds back the signals that end a front end while the collector is started, so that it is
// registered before a handler can look for it.
class CTerminatingSignalsHeld
{
public:
    CTerminatingSignalsHeld()
    {
        const sigset_t signals = TerminatingSignals();
        pthread_sigmask(SIG_BLOCK, &signals, &m_previous);
    }
    CTerminatingSignalsHeld(const CTerminatingSignalsHeld&) = delete;
    CTerminatingSignalsHeld& operator=(const CTerminatingSignalsHeld&) = delete;
    ~CTerminatingSignalsHeld() { pthread_sigmask(SIG_SETMASK, &m_previous, nullptr); }

private:
    sigset_t m_previous;
};

// The child reads nothing of ours and writes into nothing of ours: a reader of this program's
// output sees its end when this program ends, whatever the collector leaves running, and no
// descriptor beyond the standard three reaches it. It starts in the open folder when there is
// one (the work folder that was checked, not whatever its path names now).
bool PrepareActions(CSpawnActions& actions, const SCollectorPlace& place)
{
    return posix_spawn_file_actions_addopen(actions.Get(), STDIN_FILENO, "/dev/null", O_RDONLY,
                                            0) == 0 &&
           posix_spawn_file_actions_addopen(actions.Get(), STDOUT_FILENO, "/dev/null", O_WRONLY,
                                            0) == 0 &&
           posix_spawn_file_actions_addopen(actions.Get(), STDERR_FILENO, "/dev/null", O_WRONLY,
                                            0) == 0 &&
           (place.nFolderFd >= 0
                ? posix_spawn_file_actions_addfchdir_np(actions.Get(), place.nFolderFd)
                : posix_spawn_file_actions_addchdir_np(actions.Get(),
                                                       WideToUtf8(place.strFolder).c_str())) == 0 &&
           posix_spawn_file_actions_addclosefrom_np(actions.Get(), STDERR_FILENO + 1) == 0;
}

// A process group of its own, so that it can be ended with everything it starts, and the
// signals of this program back at their defaults.
bool PrepareAttributes(CSpawnAttributes& attributes)
{
    sigset_t none;
    sigemptyset(&none);
    const sigset_t defaults = TerminatingSignals();
    return posix_spawnattr_setflags(attributes.Get(), POSIX_SPAWN_SETPGROUP |
                                                          POSIX_SPAWN_SETSIGMASK |
                                                          POSIX_SPAWN_SETSIGDEF) == 0 &&
           posix_spawnattr_setpgroup(attributes.Get(), 0) == 0 &&
           posix_spawnattr_setsigmask(attributes.Get(), &none) == 0 &&
           posix_spawnattr_setsigdefault(attributes.Get(), &defaults) == 0;
}

bool HasExited(pid_t nChild)
{
    siginfo_t info{};
    return waitid(P_PID, static_cast<id_t>(nChild), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == nChild;
}

// Waits until the child has ended or the deadline has passed; the child is left unreaped, so
// that its process group stays its own. True when it has ended.
bool WaitForExit(pid_t nChild, CClock::time_point deadline)
{
    const CUniqueFd process(static_cast<int>(syscall(SYS_pidfd_open, nChild, 0)));
    for (;;)
    {
        if (HasExited(nChild))
        {
            return true;
        }
        const auto remaining =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - CClock::now());
        if (remaining.count() <= 0)
        {
            return false;
        }
        if (process.IsValid())
        {
            pollfd watched{process.Get(), POLLIN, 0};
            poll(&watched, 1, static_cast<int>(std::min<long long>(remaining.count(), INT_MAX)));
        }
        else
        {
            std::this_thread::sleep_for(std::min<CClock::duration>(kPollInterval, remaining));
        }
    }
}

SChildOutcome Reap(pid_t nChild, bool bTimedOut)
{
    int nStatus = 0;
    pid_t nResult = 0;
    do
    {
        nResult = waitpid(nChild, &nStatus, 0);
    } while (nResult < 0 && errno == EINTR);
    if (nResult != nChild)
    {
        return SChildOutcome{}; // the exit code could not be read
    }
    return SChildOutcome{true, WIFSIGNALED(nStatus), bTimedOut,
                         WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : 0};
}

pid_t StartCollector(std::vector<char*>& aArgv, const SCollectorPlace& place)
{
    CSpawnActions actions;
    CSpawnAttributes attributes;
    const CTerminatingSignalsHeld held;
    pid_t nChild = 0;
    if (!PrepareActions(actions, place) || !PrepareAttributes(attributes) ||
        posix_spawn(&nChild, aArgv[0], actions.Get(), attributes.Get(), aArgv.data(), environ) != 0)
    {
        return 0;
    }
    g_nRunningGroup = nChild;
    return nChild;
}
// A regular file that this user may run; a folder of that name does not count.
bool IsRunnableFile(const std::string& strPath)
{
    struct stat status = {};
    return stat(strPath.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           access(strPath.c_str(), X_OK) == 0;
}
} // namespace

std::wstring FindCollectorProgram()
{
    const char* pszOverride = std::getenv(kCollectorVariable);
    if (pszOverride != nullptr && *pszOverride != '\0')
    {
        // The child starts in the work folder, so a relative name must be made absolute here.
        char aFolder[PATH_MAX] = {};
        const bool bRelative = *pszOverride != '/' && getcwd(aFolder, sizeof(aFolder)) != nullptr;
        return Utf8ToWide(bRelative ? std::string(aFolder) + "/" + pszOverride : pszOverride);
    }
    const std::vector<std::wstring> aCandidates =
        ListInstalledCandidates(GetModulePath(), kCollectorName, kCollectorInstallFolder);
    return ChooseCandidate(aCandidates, [](const std::wstring& strPath)
                           { return IsRunnableFile(WideToUtf8(strPath)); });
}

SChildOutcome RunCollector(const std::wstring& strProgram,
                           const std::vector<std::wstring>& aArguments,
                           const SCollectorPlace& place, std::chrono::seconds timeout)
{
    std::vector<std::string> aNarrow{WideToUtf8(strProgram)};
    for (const std::wstring& strArgument : aArguments)
    {
        aNarrow.push_back(WideToUtf8(strArgument));
    }
    std::vector<char*> aArgv;
    for (std::string& strArgument : aNarrow)
    {
        aArgv.push_back(strArgument.data());
    }
    aArgv.push_back(nullptr);

    const CClock::time_point deadline = CClock::now() + timeout;
    const pid_t nChild = StartCollector(aArgv, place);
    if (nChild == 0)
    {
        return SChildOutcome{};
    }
    const bool bExited = WaitForExit(nChild, deadline);
    if (!bExited)
    {
        kill(-nChild, SIGKILL);
    }
    g_nRunningGroup = 0;
    return Reap(nChild, !bExited);
}

void EndRunningCollector()
{
    const pid_t nGroup = g_nRunningGroup;
    if (nGroup > 0)
    {
        kill(-nGroup, SIGKILL);
    }
}
