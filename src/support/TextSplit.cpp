#include "support/TextSplit.h"

namespace
{
template <typename TChar>
std::vector<std::basic_string_view<TChar>> SplitAt(std::basic_string_view<TChar> strText,
                                                   TChar chDelimiter)
{
    std::vector<std::basic_string_view<TChar>> aParts;
    while (!strText.empty())
    {
        const std::size_t nEnd = strText.find(chDelimiter);
        aParts.push_back(strText.substr(0, nEnd));
        if (nEnd == std::basic_string_view<TChar>::npos)
        {
            break;
        }
        strText.remove_prefix(nEnd + 1);
    }
    return aParts;
}
} // namespace

std::vector<std::string_view> SplitLines(std::string_view strText)
{
    return SplitAt(strText, '\n');
}

std::vector<std::wstring_view> SplitFields(std::wstring_view strText, wchar_t chDelimiter)
{
    return SplitAt(strText, chDelimiter);
}

std::vector<std::string_view> SplitWords(std::string_view strText)
{
    std::vector<std::string_view> aWords;
    for (const std::string_view strPart : SplitAt(strText, ' '))
    {
        if (!strPart.empty())
        {
            aWords.push_back(strPart);
        }
    }
    return aWords;
}
