#pragma once

#include <string>
#include <vector>

// The collector takes the diagnostic tool's own command line: "/whql:off /x PATH".
struct SCollectorCommandLine
{
    bool m_bValid = false;
    std::string m_strReportPath; // set when valid
    std::string m_strError;      // why the command line was refused, when not valid
};

// Options are matched without regard to letter case, as the tool being stood in for does.
SCollectorCommandLine ParseCollectorCommandLine(const std::vector<std::string>& aArguments);

// True when an argument asks for the usage: "--help", "-h" or "/?".
bool IsCollectorHelpRequest(const std::vector<std::string>& aArguments);

// What the collector is and how it is called, for --help.
std::string GetCollectorUsage();
