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
