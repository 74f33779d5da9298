#pragma once

#include <optional>
#include <string>
#include <vector>

// The command line of rigvet-cli, program name excluded.
struct SCliOptions
{
    bool bHelp = false;
    bool bVersion = false;
    bool bExplain = false;
    bool bJson = false;
    std::optional<bool> consentAnswer;
    std::optional<std::wstring> strCsvPath;
    std::vector<std::wstring> aReportPaths; // not empty: judge these saved reports
    std::optional<std::wstring> strDriveRoot;
    std::vector<std::wstring> aSummaryPaths; // not empty: sum up these CSV files
    // The first plain argument: the log file that receives the updates found.
    std::wstring strLogPath;
};

struct SCliParse
{
    SCliOptions options;
    std::string strError; // empty when the command line is valid
};

// Reads the options; an unknown option, a missing or bad value, or options that do not go
// together give an error. The plain arguments that are left are checked by the log-path rule:
// one that is a switch (IsSwitchArgument, with bPosixPaths where "/" separates folders) is an
// unknown option, and the first of the others is the log path; later ones are ignored.
SCliParse ParseCliOptions(const std::vector<std::wstring>& aArguments, bool bPosixPaths);

// What --help prints.
const char* GetCliUsage();
