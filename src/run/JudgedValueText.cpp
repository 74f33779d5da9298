#include "run/JudgedValueText.h"

#include <algorithm>
#include <charconv>

namespace
{
std::wstring JoinArticles(const std::vector<std::wstring>& aArticles)
{
    std::wstring strText;
    for (const std::wstring& strArticle : aArticles)
    {
        strText += (strText.empty() ? L"" : L", ") + strArticle;
    }
    return strText;
}
} // namespace

std::wstring FormatFeatureLevelNumber(float fLevel)
{
    char aBuffer[64] = {};
    const std::to_chars_result result = std::to_chars(aBuffer, aBuffer + sizeof(aBuffer), fLevel);
    std::string strText(aBuffer, result.ptr);
    if (strText.find_first_not_of("-0123456789") == std::string::npos)
    {
        strText += ".0";
    }
    return std::wstring(strText.begin(), strText.end());
}

std::wstring FormatUpdatesFound(const std::vector<std::wstring>& aRequired,
                                const std::vector<std::wstring>& aFound)
{
    std::vector<std::wstring> aMissing;
    for (const std::wstring& strArticle : aRequired)
    {
        if (std::find(aFound.begin(), aFound.end(), strArticle) == aFound.end())
        {
            aMissing.push_back(strArticle);
        }
    }
    if (aFound.empty())
    {
        return JoinArticles(aMissing) + L" missing";
    }
    std::wstring strText = JoinArticles(aFound) + L" installed";
    if (!aMissing.empty())
    {
        strText += L"; " + JoinArticles(aMissing) + L" missing";
    }
    return strText;
}

std::wstring FormatJudgedValue(ERequirement requirement, const TestResults& results,
                               EVerdict verdict, ESystemFamily family)
{
    return GetRequirementDescriptor(requirement).FormatValue(results, verdict, family);
}
