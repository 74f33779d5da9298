#include "ui/cli/ResultExplanation.h"

#include "run/RequirementResults.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace
{
// The rows of a finished Windows 10 run of good hardware, changed by the case.
SQualificationResult DescribeRun(const TestResults& results, bool bConsent)
{
    SRunFacts facts;
    facts.bReportEvaluated = true;
    SQualificationResult result;
    result.aRequirements = DescribeLiveRun({results, bConsent, true, facts});
    return result;
}

TestResults GoodResults()
{
    TestResults results;
    results.m_fFeatureLevel = 12.1f;
    results.m_bSoundDevice = true;
    results.m_nMemoryMB = 16384;
    results.m_nFreeDiskMB = 50000;
    return results;
}
} // namespace

TEST(ResultExplanation, RowsAndSummaryFollowTheVerdicts)
{
    struct SCase
    {
        void (*fnChange)(TestResults&);
        bool bConsent;
        ERequirement explained;
        EAdvicePlatform platform;
        std::wstring strExplanation;
        std::wstring strSummary;
    };
    const SCase aCases[] = {
        {[](TestResults&) {}, true, ERequirement::Display, EAdvicePlatform::Linux,
         L"Display Device: PASS - feature level 12.1.", L"Ready: all six requirements passed."},
        {[](TestResults& r) { r.m_nFreeDiskMB = 812; }, true, ERequirement::FreeDisk,
         EAdvicePlatform::Windows,
         L"Free Disk Space: FAIL - 812 MB free; 1024 MB (of 1,000,000 bytes) or more must be free "
         L"on the system drive. Free some space, then run the test again.",
         L"Not ready: Free Disk Space failed."},
        {[](TestResults&) {}, false, ERequirement::Clock, EAdvicePlatform::Linux,
         L"Accurate System Time: UNK - not compared: no consent to use the internet. Answer Yes "
         L"to the internet question and check that this PC reaches the internet, then run the "
         L"test again.",
         L"Not determined: Accurate System Time could not be checked."},
        {[](TestResults& r)
         {
             r.m_fFeatureLevel = 10.0f;
             r.m_bSoundDevice = false;
         },
         false, ERequirement::Sound, EAdvicePlatform::Linux,
         L"Sound Device: FAIL - no sound device is listed; experiments with audio need one. "
         L"Connect a sound device and check that the system lists it (aplay -l), "
         L"then run the test again.",
         L"Not ready: Display Device and Sound Device failed; Accurate System Time could not be "
         L"checked."},
        {[](TestResults& r)
         {
             r = TestResults();
             r.m_fFeatureLevel = 12.1f;
         },
         false, ERequirement::Display, EAdvicePlatform::Windows,
         L"Display Device: PASS - feature level 12.1.",
         L"Not ready: three requirements failed; one requirement could not be checked."},
    };
    for (const SCase& testCase : aCases)
    {
        TestResults results = GoodResults();
        testCase.fnChange(results);
        const SQualificationResult result = DescribeRun(results, testCase.bConsent);
        EXPECT_EQ(FormatResultSummary(result), testCase.strSummary);
        const SRequirementResult& row =
            result.aRequirements[static_cast<std::size_t>(testCase.explained)];
        ASSERT_EQ(row.requirement, testCase.explained);
        EXPECT_EQ(FormatRowExplanation(row, testCase.platform), testCase.strExplanation);
    }
    EXPECT_EQ(FormatResultSummary(SQualificationResult()), L"");
}

TEST(ResultExplanation, EveryFailAndUnknownSaysWhatToDoOnBothPlatforms)
{
    for (const ERequirement requirement : g_aRequirements)
    {
        for (const EAdvicePlatform platform : {EAdvicePlatform::Windows, EAdvicePlatform::Linux})
        {
            EXPECT_EQ(GetRequirementAdvice(requirement, EVerdict::Pass, platform), L"");
            for (const EVerdict verdict : {EVerdict::Fail, EVerdict::Unknown})
            {
                EXPECT_TRUE(GetRequirementAdvice(requirement, verdict, platform)
                                .ends_with(L"run the test again."));
            }
        }
    }
}

TEST(ResultExplanation, SaveWritesTheConsoleJsonForJsonNamesAndTheTextOtherwise)
{
    TestResults results = GoodResults();
    results.m_nMemoryMB = 4094;
    const SQualificationResult result = DescribeRun(results, false);
    const SResultContext context{L"2026-03-01T09:15:02Z", L"LAB-PC-7", L"1.2.3.4"};
    const std::string strText = FormatSavedResult(result, context, L"/tmp/result.txt");
    EXPECT_EQ(strText, FormatResultCopyText(result, context));
    EXPECT_THAT(strText, ::testing::StartsWith("Rigvet 1.2.3.4\nMachine: LAB-PC-7\n"
                                               "Time (UTC): 2026-03-01T09:15:02Z\n\n"
                                               "Display Device: PASS (feature level 12.1)\n"));
    EXPECT_THAT(strText, HasSubstr("System Memory: FAIL (4094 MB)\n    4095 MB of memory"));
    const std::string strJson = FormatSavedResult(result, context, L"C:\\Lab\\Result.JSON");
    EXPECT_THAT(strJson, HasSubstr("\"formatVersion\": 1"));
    EXPECT_THAT(strJson, HasSubstr("\"name\": \"rigvet\""));
}
