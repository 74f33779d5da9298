#include "collector/CollectorText.h"

namespace
{
constexpr std::string_view kBlanks = " \t\r\n";
}

std::string_view TrimText(std::string_view strText)
{
    const std::size_t nFirst = strText.find_first_not_of(kBlanks);
    if (nFirst == std::string_view::npos)
    {
        return {};
    }
    const std::size_t nLast = strText.find_last_not_of(kBlanks);
    return strText.substr(nFirst, nLast - nFirst + 1);
}

bool FindKeyedValue(std::string_view strText, std::string_view strKey, char cSeparator,
                    std::string_view& strValue)
{
    for (const std::string_view strLine : SplitLines(strText))
    {
        const std::size_t nSeparator = strLine.find(cSeparator);
        if (nSeparator != std::string_view::npos &&
            TrimText(strLine.substr(0, nSeparator)) == strKey)
        {
            strValue = TrimText(strLine.substr(nSeparator + 1));
            return true;
        }
    }
    return false;
}
