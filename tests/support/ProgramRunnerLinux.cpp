#include "support/ProgramRunner.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
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

SProgramResult RunProgram(const std::string& strProgram, const std::vector<std::string>& aArguments,
                          const SProgramOptions& options)
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

    SProgramResult result;
    Exchange(aInput[1], aOutput[0], aError[0], options.strInput, result);
    int nStatus = 0;
    while (waitpid(pid, &nStatus, 0) < 0 && errno == EINTR)
    {
    }
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
