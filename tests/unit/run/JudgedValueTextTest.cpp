#include "run/JudgedValueText.h"

#include <gtest/gtest.h>
#include <limits>

namespace
{
TEST(FormatJudgedValue, ShowsEachMeasuredValue)
{
    TestResults results;
    results.m_fFeatureLevel = 12.1f;
    results.m_bSoundDevice = true;
    results.m_nMemoryMB = 16384;
    results.m_nFreeDiskMB = 51234;
    EXPECT_EQ(FormatJudgedValue(ERequirement::Display, results, EVerdict::Pass),
              L"feature level 12.1");
    EXPECT_EQ(FormatJudgedValue(ERequirement::Sound, results, EVerdict::Pass),
              L"sound device present");
    EXPECT_EQ(FormatJudgedValue(ERequirement::Memory, results, EVerdict::Pass), L"16384 MB");
    EXPECT_EQ(FormatJudgedValue(ERequirement::FreeDisk, results, EVerdict::Pass), L"51234 MB free");
    EXPECT_EQ(FormatJudgedValue(ERequirement::Updates, results, EVerdict::Pass),
              L"not needed on Windows 8 or later");
    EXPECT_EQ(
        FormatJudgedValue(ERequirement::Updates, results, EVerdict::Pass, ESystemFamily::Linux),
        L"not needed on Linux");
}

TEST(FormatJudgedValue, WholeLevelsKeepAFraction)
{
    TestResults results;
    EXPECT_EQ(FormatJudgedValue(ERequirement::Display, results, EVerdict::Fail),
              L"feature level 0.0");
    // Windows 7 passes a report that lists no level, which "0.0" beside PASS would misread.
    EXPECT_EQ(FormatJudgedValue(ERequirement::Display, results, EVerdict::Pass),
              L"no feature level listed");
    EXPECT_EQ(FormatJudgedValue(ERequirement::Sound, results, EVerdict::Pass), L"no sound device");
    results.m_fFeatureLevel = 11.0f;
    EXPECT_EQ(FormatJudgedValue(ERequirement::Display, results, EVerdict::Pass),
              L"feature level 11.0");
    results.m_fFeatureLevel = 9.3f;
    EXPECT_EQ(FormatJudgedValue(ERequirement::Display, results, EVerdict::Pass),
              L"feature level 9.3");
    results.m_nMemoryMB = 4294967295u;
    EXPECT_EQ(FormatJudgedValue(ERequirement::Memory, results, EVerdict::Pass), L"4294967295 MB");
}
} // namespace

TEST(FormatJudgedValue, UpdatesAndClock)
{
    TestResults results;
    EXPECT_EQ(FormatJudgedValue(ERequirement::Updates, results, EVerdict::Fail),
              L"required updates missing");
    results.m_bUpdatesFound = true;
    EXPECT_EQ(FormatJudgedValue(ERequirement::Updates, results, EVerdict::Pass),
              L"required updates installed");

    const std::pair<std::int64_t, const wchar_t*> aClockCases[] = {
        {0, L"clock matches internet time"},
        {59, L"clock 59 s behind internet time"},
        {-60, L"clock 60 s ahead of internet time"},
        {std::numeric_limits<std::int64_t>::min(),
         L"clock 9223372036854775808 s ahead of internet time"},
    };
    for (const auto& [llDelta, pszText] : aClockCases)
    {
        results.m_llClockDelta = llDelta;
        EXPECT_EQ(FormatJudgedValue(ERequirement::Clock, results, EVerdict::Fail), pszText);
    }
    EXPECT_EQ(FormatJudgedValue(ERequirement::Clock, results, EVerdict::Unknown), L"not compared");
}

TEST(FormatUpdatesFound, InstalledAndMissingInTheRequiredOrder)
{
    const std::vector<std::wstring> aRequired = {L"4474419", L"4490628", L"4536952"};
    EXPECT_EQ(FormatUpdatesFound(aRequired, aRequired), L"4474419, 4490628, 4536952 installed");
    EXPECT_EQ(FormatUpdatesFound(aRequired, {L"4490628"}),
              L"4490628 installed; 4474419, 4536952 missing");
    EXPECT_EQ(FormatUpdatesFound(aRequired, {}), L"4474419, 4490628, 4536952 missing");
}

TEST(FormatFeatureLevelNumber, ShortestTextWithAFraction)
{
    EXPECT_EQ(FormatFeatureLevelNumber(12.1f), L"12.1");
    EXPECT_EQ(FormatFeatureLevelNumber(11.0f), L"11.0");
    EXPECT_EQ(FormatFeatureLevelNumber(0.0f), L"0.0");
    EXPECT_EQ(FormatFeatureLevelNumber(9.3f), L"9.3");
}
