#pragma once

#include "run/IQualificationSteps.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

// Exit codes of rigvet-cli.
inline constexpr int kCliExitFinished = 0;    // the run finished; the verdicts were printed
inline constexpr int kCliExitUsage = 2;       // the command line or an override was not valid
inline constexpr int kCliExitNotFinished = 3; // cancelled or refused; no verdicts

struct SCliStreams
{
    std::istream& input;
    std::ostream& output;
    std::ostream& error;
    bool bInputIsTerminal;
};

// The console front end: one run with the given arguments (program name excluded), then the six
// verdicts, one per line.
int RunRigvetCli(const std::vector<std::wstring>& aArguments, const SCliStreams& streams,
                 IQualificationSteps& steps);
