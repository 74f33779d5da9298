#include "support/ProgramRunner.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace
{
std::vector<std::string> BuildEnvironment(const SProgramOptions& options)
{
    std::map<std::string, std::string> variables;
    for (char** ppEntry = environ; *ppEntry != nullptr; ++ppEntry)
    {
        const std::string strEntry = *ppEntry;
        const std::size_t nEquals = strEntry.find('=');
        if (nEquals != std::string::npos)
        {
            variables[strEntry.substr(0, nEquals)] = strEntry.substr(nEquals + 1);
        }
    }
    for (const auto& [strName, value] : options.environment)
    {
        if (value)
        {
            variables[strName] = *value;
        }
        else
        {
            variables.erase(strName);
        }
    }
    std::vector<std::string> aEntries;
    for (const auto& [strName, strValue] : variables)
    {
        aEntries.push_back(strName + "=" + strValue);
    }
    return aEntries;
}

void Check(int nResult, const char* pszWhat)
{
    if (nResult != 0)
    {
        throw std::runtime_error(std::string(pszWhat) + ": " + std::strerror(nResult));
    }
}

// Feeds the input and drains both outputs together, so no pipe fills up and blocks the child.
void Exchange(int fdInput, int fdOutput, int fdError, std::string strInput, SProgramResult& result)
{
    std::size_t nWritten = 0;
    if (strInput.empty())
    {
        close(fdInput);
        fdInput = -1;
    }
    while (fdOutput >= 0 || fdError >= 0)
    {
        pollfd aPoll[3] = {{fdOutput, POLLIN, 0}, {fdError, POLLIN, 0}, {fdInput, POLLOUT, 0}};
        if (poll(aPoll, 3, -1) < 0 && errno != EINTR)
        {
            break;
        }
        int* apFds[2] = {&fdOutput, &fdError};
        std::string* apText[2] = {&result.strOutput, &result.strError};
        for (int i = 0; i < 2; ++i)
        {
            if (*apFds[i] >= 0 && (aPoll[i].revents & (POLLIN | POLLHUP)) != 0)
            {
                char aBuffer[4096];
                const ssize_t nRead = read(*apFds[i], aBuffer, sizeof aBuffer);
                if (nRead > 0)
                {
                    apText[i]->append(aBuffer, static_cast<std::size_t>(nRead));
                }
                else
                {
                    close(*apFds[i]);
                    *apFds[i] = -1;
                }
            }
        }
        if (fdInput >= 0 && (aPoll[2].revents & (POLLOUT | POLLERR)) != 0)
        {
            const ssize_t nSent =
                write(fdInput, strInput.data() + nWritten, strInput.size() - nWritten);
            nWritten += nSent > 0 ? static_cast<std::size_t>(nSent) : strInput.size();
            if (nWritten >= strInput.size())
            {
                close(fdInput);
                fdInput = -1;
            }
        }
    }
    if (fdInput >= 0)
    {
        close(fdInput);
    }
}
} // namespace

CRunningProgram::CRunningProgram(const std::string& strProgram,
                                 const std::vector<std::string>& aArguments,
                                 const SProgramOptions& options)
    : m_strInput(options.strInput)
{
    int aInput[2], aOutput[2], aError[2];
    if (pipe2(aInput, O_CLOEXEC) != 0 || pipe2(aOutput, O_CLOEXEC) != 0 ||
        pipe2(aError, O_CLOEXEC) != 0)
    {
        throw std::runtime_error("pipe failed");
    }
    posix_spawn_file_actions_t actions;
    Check(posix_spawn_file_actions_init(&actions), "file actions");
    posix_spawn_file_actions_adddup2(&actions, aInput[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, aOutput[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, aError[1], STDERR_FILENO);
    if (!options.strWorkingDirectory.empty())
    {
        posix_spawn_file_actions_addchdir_np(&actions, options.strWorkingDirectory.c_str());
    }

    std::vector<std::string> aArgv = {strProgram};
    aArgv.insert(aArgv.end(), aArguments.begin(), aArguments.end());
    std::vector<char*> apArgv;
    for (std::string& str : aArgv)
    {
        apArgv.push_back(str.data());
    }
    apArgv.push_back(nullptr);
    std::vector<std::string> aEnvironment = BuildEnvironment(options);
    std::vector<char*> apEnvironment;
    for (std::string& str : aEnvironment)
    {
        apEnvironment.push_back(str.data());
    }
    apEnvironment.push_back(nullptr);

    pid_t pid = 0;
    const int nSpawn = posix_spawn(&pid, strProgram.c_str(), &actions, nullptr, apArgv.data(),
                                   apEnvironment.data());
    posix_spawn_file_actions_destroy(&actions);
    close(aInput[0]);
    close(aOutput[1]);
    close(aError[1]);
    if (nSpawn != 0)
    {
        close(aInput[1]);
        close(aOutput[0]);
        close(aError[0]);
        Check(nSpawn, strProgram.c_str());
    }
    m_nPid = pid;
    m_fdInput = aInput[1];
    m_fdOutput = aOutput[0];
    m_fdError = aError[0];
}

CRunningProgram::~CRunningProgram()
{
    if (!m_bFinished)
    {
        kill(m_nPid, SIGKILL);
        Finish();
    }
}

SProgramResult CRunningProgram::Finish()
{
    m_bFinished = true;
    SProgramResult result;
    Exchange(m_fdInput, m_fdOutput, m_fdError, m_strInput, result);
    int nStatus = 0;
    rusage usage{};
    while (wait4(m_nPid, &nStatus, 0, &usage) < 0 && errno == EINTR)
    {
    }
    result.nMaxRssKB = usage.ru_maxrss;
    if (WIFEXITED(nStatus))
    {
        result.nExitCode = WEXITSTATUS(nStatus);
    }
    else if (WIFSIGNALED(nStatus))
    {
        result.nSignal = WTERMSIG(nStatus);
    }
    return result;
}

SProgramResult RunProgram(const std::string& strProgram, const std::vector<std::string>& aArguments,
                          const SProgramOptions& options)
{
    return CRunningProgram(strProgram, aArguments, options).Finish();
}

std::string WaitForLine(const std::string& strPath)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline)
    {
        const std::string strText = ReadTextFile(strPath);
        const std::size_t nEnd = strText.find('\n');
        if (nEnd != std::string::npos)
        {
            return strText.substr(0, nEnd);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return std::string();
}

bool IsProcessRunning(int nPid)
{
    const std::string strStat = ReadTextFile("/proc/" + std::to_string(nPid) + "/stat");
    const std::size_t nClose = strStat.rfind(')');
    return nClose != std::string::npos && nClose + 2 < strStat.size() &&
           strStat[nClose + 2] != 'Z' && strStat[nClose + 2] != 'X';
}

std::map<std::string, std::string> SnapshotTree(const std::string& strRoot,
                                                const std::vector<std::string>& aExcluded)
{
    std::map<std::string, std::string> entries;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(strRoot, error);
         it != std::filesystem::recursive_directory_iterator(); it.increment(error))
    {
        const std::string strRelative = std::filesystem::relative(it->path(), strRoot).string();
        const bool bExcluded = std::any_of(aExcluded.begin(), aExcluded.end(),
                                           [&](const std::string& strExcluded) {
                                               return strRelative == strExcluded ||
                                                      strRelative.starts_with(strExcluded + "/");
                                           });
        if (bExcluded)
        {
            it.disable_recursion_pending();
            continue;
        }
        struct stat info
        {
        };
        lstat(it->path().c_str(), &info);
        std::ostringstream entry;
        entry << info.st_mode << ' ' << info.st_nlink << ' ' << info.st_size;
        if (S_ISREG(info.st_mode))
        {
            entry << ' ' << std::hash<std::string>{}(ReadTextFile(it->path()));
        }
        else if (S_ISLNK(info.st_mode))
        {
            entry << " -> " << std::filesystem::read_symlink(it->path(), error).string();
        }
        entries[strRelative] = entry.str();
    }
    return entries;
}
