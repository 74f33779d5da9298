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
};

struct SProgramOptions
{
    // Variables to set (a value) or remove (nullopt) in the child's copy of this environment.
    std::map<std::string, std::optional<std::string>> environment;
    std::string strInput; // given on standard input, which is then closed
    std::string strWorkingDirectory;
};

SProgramResult RunProgram(const std::string& strProgram, const std::vector<std::string>& aArguments,
                          const SProgramOptions& options = {});
