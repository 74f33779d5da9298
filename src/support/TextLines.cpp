#include "support/TextLines.h"

std::vector<std::string_view> SplitLines(std::string_view strText)
{
    std::vector<std::string_view> aLines;
    while (!strText.empty())
    {
        const std::size_t nEnd = strText.find('\n');
        aLines.push_back(strText.substr(0, nEnd));
        if (nEnd == std::string_view::npos)
        {
            break;
        }
        strText.remove_prefix(nEnd + 1);
    }
    return aLines;
}
