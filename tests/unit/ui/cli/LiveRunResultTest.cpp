#include "ui/cli/LiveRunResult.h"

#include "support/CZelSimpleException.h"
#include "support/FakeQualificationSteps.h"
#include "support/RecordingView.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace
{
class LiveRunResultTest : public ::testing::Test
{
protected:
    LiveRunResultTest() : m_dialog(m_view, m_steps)
    {
        m_steps.m_hardware.m_fFeatureLevel = 12.1f;
        m_steps.m_hardware.m_bSoundDevice = true;
        m_steps.m_hardware.m_nMemoryMB = 8192;
        m_steps.m_hardware.m_nFreeDiskMB = 50000;
    }

    SQualificationResult Run()
    {
        m_dialog.RunQualification();
        return DescribeLiveResult(m_dialog, m_steps.IsOsVersionOrGreater(6, 2, 0));
    }

    void Windows7() { m_steps.m_osVersion = {6, 1, 1}; }

    static std::vector<EVerdict> Verdicts(const SQualificationResult& result)
    {
        std::vector<EVerdict> aVerdicts;
        for (const SRequirementResult& row : result.aRequirements)
        {
            aVerdicts.push_back(row.verdict);
        }
        return aVerdicts;
    }

    CFakeQualificationSteps m_steps;
    CRecordingView m_view;
    CRigvetDlg m_dialog;
};

constexpr EVerdict P = EVerdict::Pass;
constexpr EVerdict F = EVerdict::Fail;
constexpr EVerdict U = EVerdict::Unknown;
} // namespace

TEST_F(LiveRunResultTest, FinishedRun)
{
    const SQualificationResult result = Run();
    EXPECT_EQ(result.outcome, EResultOutcome::Finished);
    EXPECT_EQ(result.stop, ERunStop::None);
    EXPECT_FALSE(result.error);
    EXPECT_FALSE(result.report);
    EXPECT_EQ(Verdicts(result), (std::vector<EVerdict>{P, P, P, P, P, P}));
    EXPECT_TRUE(result.aWarnings.empty());
    EXPECT_TRUE(m_dialog.m_facts.bReportEvaluated);
}

TEST_F(LiveRunResultTest, RunsThatDidNotTest)
{
    struct SCase
    {
        const char* pszName;
        int nConsent;
        bool bRemote;
        std::uint16_t nServicePack;
        EResultOutcome outcome;
        ERunStop stop;
        const wchar_t* pszMessage;
    };
    const SCase aCases[] = {
        {"cancel", MessageBoxAnswer::kCancel, false, 1, EResultOutcome::Cancelled,
         ERunStop::Cancelled, L"Cancelled at the internet consent question."},
        {"remote", MessageBoxAnswer::kNo, true, 1, EResultOutcome::Refused, ERunStop::RemoteSession,
         L"A remote desktop session has been detected."},
        {"old", MessageBoxAnswer::kYes, false, 0, EResultOutcome::Refused, ERunStop::OldSystem,
         L"require Windows 7 SP1 or greater"},
    };
    for (const SCase& testCase : aCases)
    {
        SCOPED_TRACE(testCase.pszName);
        m_view.m_nConsentAnswer = testCase.nConsent;
        m_steps.m_bRemote = testCase.bRemote;
        m_steps.m_osVersion = {6, 1, testCase.nServicePack};
        const SQualificationResult result = Run();
        EXPECT_EQ(result.outcome, testCase.outcome);
        EXPECT_EQ(result.stop, testCase.stop);
        EXPECT_THAT(result.strStopMessage, HasSubstr(testCase.pszMessage));
        EXPECT_TRUE(result.aRequirements.empty());
    }
}

TEST_F(LiveRunResultTest, ErrorEndsTheRunButTheVerdictsStayAsShown)
{
    m_steps.FailAt("CaptureDiagnosticsReport",
                   CZelSimpleException(10005, L"The execution of dxdiag.exe has failed. Ret = -1"));
    const SQualificationResult result = Run();
    EXPECT_EQ(result.outcome, EResultOutcome::Error);
    ASSERT_TRUE(result.error);
    EXPECT_EQ(*result.error,
              (SRunError{10005, L"The execution of dxdiag.exe has failed. Ret = -1", {}}));
    EXPECT_EQ(Verdicts(result), (std::vector<EVerdict>{F, F, P, F, F, U}));
    EXPECT_EQ(result.aRequirements[0].strValueText, L"feature level 0.0");
    EXPECT_THAT(result.aRequirements[0].strReason, ::testing::StartsWith(L"not measured"));
}

TEST_F(LiveRunResultTest, LockedReportAndUnexpectedFailuresAreErrorsToo)
{
    m_steps.m_bReportLocked = true;
    EXPECT_EQ(Run().error->nCode, 10004);
    m_steps.m_bReportLocked = false;
    m_steps.FailAt("LoadDiagnosticsReport", std::nullopt);
    const SQualificationResult result = Run();
    EXPECT_EQ(result.error->nCode, -1);
    EXPECT_THAT(result.error->strMessage, HasSubstr(L"An unexpected error stopped the test"));
}

TEST_F(LiveRunResultTest, FactsOfWindows7Updates)
{
    Windows7();
    m_steps.m_strUpdatesFound = L"4474419,4536952";
    const SQualificationResult result = Run();
    EXPECT_EQ(m_dialog.m_facts.strUpdatesFound, L"4474419,4536952");
    EXPECT_EQ(m_dialog.m_facts.nClockFailureCode, 10003);
    EXPECT_EQ(result.outcome, EResultOutcome::Finished);
    EXPECT_EQ(Verdicts(result), (std::vector<EVerdict>{P, P, F, P, P, U}));
    EXPECT_EQ(result.aRequirements[2].strValueText, L"4474419, 4536952 installed; 4490628 missing");
    EXPECT_EQ(result.aRequirements[5].strReason, L"not compared: the Windows updates test failed");
}

TEST_F(LiveRunResultTest, UnreachableTimeServerAndTheVirtualAdapter)
{
    m_steps.m_timeResponse = {503, L""};
    m_steps.m_bVirtualAdapter = true;
    const SQualificationResult result = Run();
    EXPECT_EQ(m_dialog.m_facts.nClockFailureCode, 10002);
    EXPECT_TRUE(m_dialog.m_facts.bVirtualizationDetected);
    EXPECT_EQ(result.aRequirements[5].strReason,
              L"not compared: the internet time server could not be reached");
    ASSERT_EQ(result.aWarnings.size(), 1u);
    EXPECT_EQ(result.aWarnings[0].strId, L"virtualization");
}

TEST_F(LiveRunResultTest, FactsAreClearedByTheNextRun)
{
    m_steps.m_bVirtualAdapter = true;
    m_steps.m_timeResponse = {503, L""};
    Run();
    m_steps.m_bVirtualAdapter = false;
    m_steps.m_timeResponse = {200, L"Thu, 01 Jan 2026 00:00:00 GMT"};
    m_view.m_nConsentAnswer = MessageBoxAnswer::kCancel;
    Run();
    EXPECT_EQ(m_dialog.m_facts.stop, ERunStop::Cancelled);
    EXPECT_FALSE(m_dialog.m_facts.bVirtualizationDetected);
    EXPECT_EQ(m_dialog.m_facts.nClockFailureCode, 0);
    EXPECT_FALSE(m_dialog.m_facts.bReportEvaluated);
    EXPECT_FALSE(m_dialog.m_facts.endingError);
}
