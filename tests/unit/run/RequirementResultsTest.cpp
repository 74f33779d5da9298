#include "run/RequirementResults.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace
{
TestResults GoodHardware()
{
    TestResults results;
    results.m_fFeatureLevel = 12.1f;
    results.m_bSoundDevice = true;
    results.m_nMemoryMB = 8192;
    results.m_nFreeDiskMB = 50000;
    return results;
}

SRunFacts Evaluated()
{
    SRunFacts facts;
    facts.bReportEvaluated = true;
    return facts;
}

const SRequirementResult& Find(const std::vector<SRequirementResult>& aRows,
                               ERequirement requirement)
{
    for (const SRequirementResult& row : aRows)
    {
        if (row.requirement == requirement)
        {
            return row;
        }
    }
    throw std::logic_error("requirement missing");
}

std::vector<ERequirement> Order(const std::vector<SRequirementResult>& aRows)
{
    std::vector<ERequirement> aOrder;
    for (const SRequirementResult& row : aRows)
    {
        aOrder.push_back(row.requirement);
    }
    return aOrder;
}
} // namespace

TEST(RequirementResults, LiveRunGivesSixRowsWithValuesAndNoReasonForPass)
{
    const TestResults results = GoodHardware();
    const SRunFacts facts = Evaluated();
    const std::vector<SRequirementResult> aRows = DescribeLiveRun({results, true, true, facts});
    EXPECT_EQ(Order(aRows),
              std::vector<ERequirement>(g_aRequirements.begin(), g_aRequirements.end()));
    for (const SRequirementResult& row : aRows)
    {
        EXPECT_EQ(row.verdict, EVerdict::Pass);
        EXPECT_EQ(row.strReason, L"");
    }
    const SRequirementResult& display = Find(aRows, ERequirement::Display);
    EXPECT_EQ(display.value.kind, SJudgedValue::EKind::Decimal);
    EXPECT_EQ(display.value.fDecimal, 12.1);
    EXPECT_EQ(display.value.strUnit, L"feature level");
    EXPECT_EQ(Find(aRows, ERequirement::Memory).value.llInteger, 8192);
    EXPECT_EQ(Find(aRows, ERequirement::FreeDisk).value.llInteger, 50000);
    EXPECT_EQ(Find(aRows, ERequirement::Sound).value.kind, SJudgedValue::EKind::Boolean);
    EXPECT_EQ(Find(aRows, ERequirement::Updates).value.kind, SJudgedValue::EKind::None);
    EXPECT_EQ(Find(aRows, ERequirement::Updates).strValueText, L"not needed on Windows 8 or later");
    const SRequirementResult& clock = Find(aRows, ERequirement::Clock);
    EXPECT_EQ(clock.value.kind, SJudgedValue::EKind::Integer);
    EXPECT_EQ(clock.value.llInteger, 0);
    EXPECT_EQ(clock.value.strUnit, L"s");
}

TEST(RequirementResults, FailuresCarryAReason)
{
    TestResults results;
    results.m_fFeatureLevel = 10.1f;
    results.m_nMemoryMB = 4094;
    results.m_nFreeDiskMB = 1023;
    results.m_llClockDelta = -60;
    const SRunFacts facts = Evaluated();
    const std::vector<SRequirementResult> aRows = DescribeLiveRun({results, true, true, facts});
    const std::pair<ERequirement, const wchar_t*> aExpected[] = {
        {ERequirement::Display,
         L"Windows 8 or later needs a display adapter of feature level 11.0 or higher"},
        {ERequirement::Sound, L"no sound device is listed; experiments with audio need one"},
        {ERequirement::Memory, L"4095 MB of memory or more is needed"},
        {ERequirement::FreeDisk,
         L"1024 MB (of 1,000,000 bytes) or more must be free on the system drive"},
        {ERequirement::Clock, L"the clock must be within 59 s of internet time"},
    };
    for (const auto& [requirement, pszReason] : aExpected)
    {
        const SRequirementResult& row = Find(aRows, requirement);
        EXPECT_EQ(row.verdict, EVerdict::Fail);
        EXPECT_EQ(row.strReason, pszReason);
    }
    EXPECT_EQ(Find(aRows, ERequirement::Clock).value.llInteger, -60);
}

TEST(RequirementResults, ClockUnknownSaysWhy)
{
    struct SCase
    {
        std::int32_t nClockFailureCode;
        bool bEndingError;
        const wchar_t* pszReason;
    };
    const SCase aCases[] = {
        {0, false, L"not compared: no consent to use the internet"},
        {10002, false, L"not compared: the internet time server could not be reached"},
        {10003, false, L"not compared: the Windows updates test failed"},
        {0, true, L"not compared: the test stopped before the clock step"},
    };
    const TestResults results = GoodHardware();
    for (const SCase& testCase : aCases)
    {
        SRunFacts facts = Evaluated();
        facts.nClockFailureCode = testCase.nClockFailureCode;
        if (testCase.bEndingError)
        {
            facts.endingError = SRunError{11000, L"failed", {}};
        }
        const SRequirementResult clock =
            Find(DescribeLiveRun({results, false, true, facts}), ERequirement::Clock);
        EXPECT_EQ(clock.verdict, EVerdict::Unknown);
        EXPECT_EQ(clock.value.kind, SJudgedValue::EKind::None);
        EXPECT_EQ(clock.strValueText, L"not compared");
        EXPECT_EQ(clock.strReason, testCase.pszReason);
    }
}

TEST(RequirementResults, Windows7UpdatesShowTheArticlesFound)
{
    struct SCase
    {
        std::optional<std::wstring> strFound;
        bool bUpdatesFound;
        EVerdict verdict;
        std::vector<std::wstring> aArticles;
        const wchar_t* pszText;
    };
    const SCase aCases[] = {
        {L"982018,4474419,4490628,4536952",
         true,
         EVerdict::Pass,
         {L"4474419", L"4490628", L"4536952"},
         L"4474419, 4490628, 4536952 installed"},
        {L"4536952,4474419",
         false,
         EVerdict::Fail,
         {L"4474419", L"4536952"},
         L"4474419, 4536952 installed; 4490628 missing"},
        {L"", false, EVerdict::Fail, {}, L"4474419, 4490628, 4536952 missing"},
        {L"44744190,4490628x", false, EVerdict::Fail, {}, L"4474419, 4490628, 4536952 missing"},
    };
    for (const SCase& testCase : aCases)
    {
        TestResults results = GoodHardware();
        results.m_bUpdatesFound = testCase.bUpdatesFound;
        SRunFacts facts = Evaluated();
        facts.strUpdatesFound = testCase.strFound;
        const SRequirementResult updates =
            Find(DescribeLiveRun({results, false, false, facts}), ERequirement::Updates);
        EXPECT_EQ(updates.verdict, testCase.verdict);
        EXPECT_EQ(updates.value.kind, SJudgedValue::EKind::Articles);
        EXPECT_EQ(updates.value.aArticles, testCase.aArticles);
        EXPECT_EQ(updates.strValueText, testCase.pszText);
        EXPECT_EQ(updates.strReason, testCase.verdict == EVerdict::Fail
                                         ? L"Windows 7 SP1 needs the updates 4474419, 4490628, "
                                           L"4536952"
                                         : L"");
    }
}

TEST(RequirementResults, Windows7SearchThatFailedIsNamed)
{
    const TestResults results = GoodHardware();
    SRunFacts facts = Evaluated();
    facts.endingError = SRunError{11000, L"The search has failed.", {}};
    const SRequirementResult updates =
        Find(DescribeLiveRun({results, false, false, facts}), ERequirement::Updates);
    EXPECT_EQ(updates.verdict, EVerdict::Fail);
    EXPECT_EQ(updates.value.kind, SJudgedValue::EKind::None);
    EXPECT_EQ(updates.strValueText, L"update search failed");
    EXPECT_EQ(updates.strReason, L"the search for the installed updates failed");
    facts.bReportEvaluated = false; // the run ended before the search began
    EXPECT_EQ(
        Find(DescribeLiveRun({results, false, false, facts}), ERequirement::Updates).strReason,
        L"the test stopped before the update search");
}

TEST(RequirementResults, ValuesTheRunNeverReadAreNotMeasured)
{
    SRunFacts facts;
    facts.endingError = SRunError{10005, L"The execution of dxdiag.exe has failed. Ret = -1", {}};
    const TestResults results;
    const std::vector<SRequirementResult> aRows = DescribeLiveRun({results, false, true, facts});
    for (const ERequirement requirement :
         {ERequirement::Display, ERequirement::Sound, ERequirement::Memory, ERequirement::FreeDisk})
    {
        const SRequirementResult& row = Find(aRows, requirement);
        EXPECT_EQ(row.verdict, EVerdict::Fail); // as the dialog shows the zero record
        EXPECT_NE(row.value.kind, SJudgedValue::EKind::None);
        EXPECT_EQ(row.strReason,
                  L"not measured: the test stopped before the diagnostics report was read");
    }
    EXPECT_EQ(Find(aRows, ERequirement::Memory).strValueText, L"0 MB");
    EXPECT_EQ(Find(aRows, ERequirement::Updates).strValueText, L"not needed on Windows 8 or later");
}

TEST(RequirementResults, ReportRulesByOperatingSystemClass)
{
    TestResults results = GoodHardware();
    results.m_fFeatureLevel = 10.0f;
    struct SCase
    {
        ESystemClass systemClass;
        EVerdict display;
        EVerdict updates;
        const wchar_t* pszUpdatesReason;
        const wchar_t* pszUpdatesValue;
        const wchar_t* pszDisplayReason; // worded for the report's system
    };
    const SCase aCases[] = {
        {ESystemClass::Windows8OrLater, EVerdict::Fail, EVerdict::Pass, L"",
         L"not needed on Windows 8 or later",
         L"Windows 8 or later needs a display adapter of feature level 11.0 or higher"},
        {ESystemClass::Linux, EVerdict::Fail, EVerdict::Pass, L"", L"not needed on Linux",
         L"experiments need a display adapter of feature level 11.0 or higher"},
        {ESystemClass::Windows7, EVerdict::Pass, EVerdict::Unknown,
         L"a saved report does not list the installed updates", L"not in a saved report", L""},
        {ESystemClass::Unknown, EVerdict::Unknown, EVerdict::Unknown,
         L"the report names no usable Windows version", L"not in a saved report",
         L"the report names no usable Windows version, so the display rule is unknown"},
    };
    for (const SCase& testCase : aCases)
    {
        const std::vector<SRequirementResult> aRows =
            DescribeReport({results, testCase.systemClass, true, L"C:\\"});
        EXPECT_EQ(Order(aRows),
                  std::vector<ERequirement>(g_aRequirements.begin(), g_aRequirements.end()));
        EXPECT_EQ(Find(aRows, ERequirement::Display).verdict, testCase.display);
        EXPECT_EQ(Find(aRows, ERequirement::Updates).verdict, testCase.updates);
        EXPECT_EQ(Find(aRows, ERequirement::Updates).strReason, testCase.pszUpdatesReason);
        EXPECT_EQ(Find(aRows, ERequirement::Updates).strValueText, testCase.pszUpdatesValue);
        EXPECT_EQ(Find(aRows, ERequirement::Display).strReason, testCase.pszDisplayReason);
        EXPECT_EQ(Find(aRows, ERequirement::Sound).verdict, EVerdict::Pass);
        EXPECT_EQ(Find(aRows, ERequirement::Memory).verdict, EVerdict::Pass);
        EXPECT_EQ(Find(aRows, ERequirement::FreeDisk).verdict, EVerdict::Pass);
        const SRequirementResult& clock = Find(aRows, ERequirement::Clock);
        EXPECT_EQ(clock.verdict, EVerdict::Unknown);
        EXPECT_EQ(clock.strReason, L"not part of a saved report");
    }
}

TEST(RequirementResults, ReportWithoutTheJudgedDiskSaysSo)
{
    const TestResults results;
    EXPECT_EQ(Find(DescribeReport({results, ESystemClass::Windows7, false, L"C:\\"}),
                   ERequirement::FreeDisk)
                  .strReason,
              L"the report lists no disk C:");
    EXPECT_EQ(Find(DescribeReport({results, ESystemClass::Linux, false, L"/srv/lab\\"}),
                   ERequirement::FreeDisk)
                  .strReason,
              L"the report lists no disk /srv/lab");
    EXPECT_EQ(
        Find(DescribeReport({results, ESystemClass::Linux, false, L""}), ERequirement::FreeDisk)
            .strReason,
        L"the disk that a live run would judge is unknown here");
    EXPECT_EQ(
        Find(DescribeReport({results, ESystemClass::Linux, true, L"/\\"}), ERequirement::FreeDisk)
            .strReason,
        L"1024 MB (of 1,000,000 bytes) or more must be free on the system drive");
}

TEST(RequirementResults, RequiredArticles)
{
    EXPECT_THAT(GetRequiredArticles(), ElementsAre(L"4474419", L"4490628", L"4536952"));
    EXPECT_THAT(FindRequiredArticles(L"4536952,1,4474419,4474419"),
                ElementsAre(L"4474419", L"4536952"));
    EXPECT_THAT(FindRequiredArticles(L""), ElementsAre());
}
