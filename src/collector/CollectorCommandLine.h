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
