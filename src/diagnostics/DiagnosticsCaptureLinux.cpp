#include "diagnostics/CollectorLocation.h"
#include "diagnostics/DiagnosticsCapture.h"
#include "support/ModulePath.h"
#include "support/TextConvert.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace
{
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

// A regular file that this user may run; a folder of that name does not count.
bool IsRunnableFile(const std::string& strPath)
{
    struct stat status = {};
    return stat(strPath.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           access(strPath.c_str(), X_OK) == 0;
}

SChildOutcome WaitForChild(pid_t nChild)
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
    return SChildOutcome{true, WIFSIGNALED(nStatus), WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : 0};
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
        ListCollectorCandidates(GetModulePath(), kCollectorName, kCollectorInstallFolder);
    return ChooseCollectorProgram(aCandidates, [](const std::wstring& strPath)
                                  { return IsRunnableFile(WideToUtf8(strPath)); });
}

SChildOutcome RunCollector(const std::wstring& strProgram,
                           const std::vector<std::wstring>& aArguments,
                           const std::wstring& strWorkingDirectory)
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

    CSpawnActions actions;
    const std::string strDirectory = WideToUtf8(strWorkingDirectory);
    pid_t nChild = 0;
    if (posix_spawn_file_actions_addchdir_np(actions.Get(), strDirectory.c_str()) != 0 ||
        posix_spawn(&nChild, aArgv[0], actions.Get(), nullptr, aArgv.data(), environ) != 0)
    {
        return SChildOutcome{};
    }
    return WaitForChild(nChild);
}
