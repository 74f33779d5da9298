#include "ui/cli/JudgedValueText.h"

#include <gtest/gtest.h>

namespace
{
TEST(FormatJudgedValue, ShowsEachMeasuredValue)
{
    TestResults results;
    results.m_fFeatureLevel = 12.1f;
    results.m_bSoundDevice = true;
    results.m_nMemoryMB = 16384;
    results.m_nFreeDiskMB = 51234;
    EXPECT_EQ(FormatJudgedValue(ERequirement::Display, results), L"feature level 12.1");
    EXPECT_EQ(FormatJudgedValue(ERequirement::Sound, results), L"sound device present");
    EXPECT_EQ(FormatJudgedValue(ERequirement::Memory, results), L"16384 MB");
    EXPECT_EQ(FormatJudgedValue(ERequirement::FreeDisk, results), L"51234 MB free");
    EXPECT_EQ(FormatJudgedValue(ERequirement::Updates, results), L"");
    EXPECT_EQ(FormatJudgedValue(ERequirement::Clock, results), L"");
}

TEST(FormatJudgedValue, WholeLevelsKeepAFraction)
{
    TestResults results;
    EXPECT_EQ(FormatJudgedValue(ERequirement::Display, results), L"feature level 0.0");
    EXPECT_EQ(FormatJudgedValue(ERequirement::Sound, results), L"no sound device");
    results.m_fFeatureLevel = 11.0f;
    EXPECT_EQ(FormatJudgedValue(ERequirement::Display, results), L"feature level 11.0");
    results.m_fFeatureLevel = 9.3f;
    EXPECT_EQ(FormatJudgedValue(ERequirement::Display, results), L"feature level 9.3");
    results.m_nMemoryMB = 4294967295u;
    EXPECT_EQ(FormatJudgedValue(ERequirement::Memory, results), L"4294967295 MB");
}
} // namespace
