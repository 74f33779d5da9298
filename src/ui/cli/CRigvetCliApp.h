#pragma once

#include "run/IQualificationSteps.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

// What the platform's main function finds out for the console front end.
struct SCliEnvironment
{
    std::istream& input;
    std::ostream& output;
    std::ostream& error;
    bool bInputIsTerminal; // the consent question may be asked
    bool bErrorIsTerminal; // the progress line is shown
    bool bColour;          // the verdicts on standard output are coloured
    std::wstring strMachineName;
    std::wstring strProgramVersion; // the file version, a.b.c.d
};

// The console front end, the same on every platform: one live run with the given arguments
// (program name excluded), or the judgement of saved reports; the result as text, JSON and CSV.
// Returns the exit code (CliExitCodes.h).
int RunRigvetCli(const std::vector<std::wstring>& aArguments, const SCliEnvironment& environment,
                 IQualificationSteps& steps);
