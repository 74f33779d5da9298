#include "ui/cli/JudgedValueText.h"

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

// Positive deltas mean the system clock is behind internet time.
std::wstring FormatClockDelta(std::int64_t llDelta)
{
    if (llDelta == 0)
    {
        return L"clock matches internet time";
    }
    const std::uint64_t nSeconds =
        llDelta > 0 ? static_cast<std::uint64_t>(llDelta) : 0 - static_cast<std::uint64_t>(llDelta);
    return L"clock " + std::to_wstring(nSeconds) + (llDelta > 0 ? L" s behind" : L" s ahead of") +
           L" internet time";
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
                               EVerdict verdict)
{
    switch (requirement)
    {
    case ERequirement::Display:
        return L"feature level " + FormatFeatureLevelNumber(results.m_fFeatureLevel);
    case ERequirement::Sound:
        return results.m_bSoundDevice ? L"sound device present" : L"no sound device";
    case ERequirement::Memory:
        return std::to_wstring(results.m_nMemoryMB) + L" MB";
    case ERequirement::FreeDisk:
        return std::to_wstring(results.m_nFreeDiskMB) + L" MB free";
    case ERequirement::Updates:
        if (results.m_bUpdatesFound)
        {
            return L"required updates installed";
        }
        // Only Windows 8 and later pass without the updates: they need none.
        return verdict == EVerdict::Fail ? L"required updates missing"
                                         : L"not needed on Windows 8 or later";
    case ERequirement::Clock:
        return verdict == EVerdict::Unknown ? L"not compared"
                                            : FormatClockDelta(results.m_llClockDelta);
    }
    return std::wstring();
}
