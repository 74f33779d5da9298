#include "collector/CollectorCommandLine.h"

#include <algorithm>
#include <cctype>

namespace
{
std::string ToLower(std::string strText)
{
    std::transform(strText.begin(), strText.end(), strText.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return strText;
}

SCollectorCommandLine Refuse(std::string strError)
{
    SCollectorCommandLine result;
    result.m_strError = std::move(strError);
    return result;
}
} // namespace

SCollectorCommandLine ParseCollectorCommandLine(const std::vector<std::string>& aArguments)
{
    SCollectorCommandLine result;
    bool bHavePath = false;
    for (std::size_t i = 0; i < aArguments.size(); ++i)
    {
        const std::string strOption = ToLower(aArguments[i]);
        if (strOption == "/whql:off" || strOption == "/whql:on")
        {
            continue;
        }
        if (strOption != "/x")
        {
            return Refuse("unknown argument \"" + aArguments[i] + "\"");
        }
        if (bHavePath)
        {
            return Refuse("/x given more than once");
        }
        if (i + 1 >= aArguments.size() || aArguments[i + 1].empty())
        {
            return Refuse("/x needs the path of the report file");
        }
        result.m_strReportPath = aArguments[++i];
        bHavePath = true;
    }
    if (!bHavePath)
    {
        return Refuse("missing /x PATH");
    }
    result.m_bValid = true;
    return result;
}

bool IsCollectorHelpRequest(const std::vector<std::string>& aArguments)
{
    return std::any_of(aArguments.begin(), aArguments.end(),
                       [](const std::string& strArgument) {
                           return strArgument == "--help" || strArgument == "-h" ||
                                  strArgument == "/?";
                       });
}

std::string GetCollectorUsage()
{
    return "usage: rigvet-dxdiag [/whql:off] /x PATH\n"
           "\n"
           "The diagnostics collector of Rigvet on Linux, in place of the Windows\n"
           "diagnostics tool: it reads the display adapters, sound devices, memory and disks\n"
           "of this machine and writes them as that tool's XML report to PATH. rigvet and\n"
           "rigvet-cli run it during their test; it is not meant to be run by hand.\n"
           "\n"
           "  /x PATH     write the report to PATH, a new file (an existing one is refused)\n"
           "  /whql:off   accepted and ignored, as the tool takes it\n"
           "  -h, --help  print this text and exit\n"
           "\n"
           "Exit codes: 0 report written, 1 the report could not be made or written,\n"
           "2 bad command line.\n";
}
