#pragma once

#include "support/TestFolder.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

// Runs a program of the build as a real child process and collects what it printed.
struct SProgramResult
{
    int nExitCode = -1;    // -1 when the child was ended by a signal
    int nSignal = 0;       // the signal that ended it, else 0
    std::string strOutput; // standard output
    std::string strError;  // standard error
    long nMaxRssKB = 0;    // the child's peak resident memory
};

struct SProgramOptions
{
    // Variables to set (a value) or remove (nullopt) in the child's copy of this environment.
    std::map<std::string, std::optional<std::string>> environment;
    std::string strInput; // given on standard input, which is then closed
    std::string strWorkingDirectory;
};

// Runs the program to its end.
SProgramResult RunProgram(const std::string& strProgram, const std::vector<std::string>& aArguments,
                          const SProgramOptions& options = {});

// A program started now and left running while the test does something else; Finish collects it.
// One that is not finished is killed and reaped when the object goes.
class CRunningProgram
{
public:
    CRunningProgram(const std::string& strProgram, const std::vector<std::string>& aArguments,
                    const SProgramOptions& options = {});
    CRunningProgram(const CRunningProgram&) = delete;
    CRunningProgram& operator=(const CRunningProgram&) = delete;
    ~CRunningProgram();

    int Pid() const { return m_nPid; }
    // Feeds the input, drains both outputs and waits for the end.
    SProgramResult Finish();

private:
    int m_nPid = 0;
    int m_fdInput = -1;
    int m_fdOutput = -1;
    int m_fdError = -1;
    std::string m_strInput;
    bool m_bFinished = false;
};

// Waits until the file holds a complete first line (up to 20 s); that line, or empty.
std::string WaitForLine(const std::string& strPath);

// True while the process runs; one that has ended but is not reaped yet counts as ended.
bool IsProcessRunning(int nPid);

// Every entry below the folder, by its path relative to it, with its type, permissions, links,
// size and a digest of its content; a symbolic link with its target. Two snapshots that are
// equal show that nothing below the folder changed, apart from entries under the excluded
// relative paths.
std::map<std::string, std::string> SnapshotTree(const std::string& strRoot,
                                                const std::vector<std::string>& aExcluded = {});
