#include "run/CRigvetDlg.h"

#include "support/FakeQualificationSteps.h"
#include "support/LoadResourceString.h"
#include "support/ProgramRunner.h"
#include "support/RecordingView.h"
#include "support/TextConvert.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace
{
const std::vector<std::string> kFullRun = {
    "IsRemoteSession",          "CreateWorkFolder",      "DeleteReportFile", "FileExistsNormalized",
    "CaptureDiagnosticsReport", "LoadDiagnosticsReport", "DeleteReportFile", "RequestInternetDate",
};

class CRigvetDlgTest : public ::testing::Test
{
protected:
    CRigvetDlgTest() : m_dialog(m_view, m_steps) {}

    void GoodHardware()
    {
        m_steps.m_hardware.m_fFeatureLevel = 12.1f;
        m_steps.m_hardware.m_bSoundDevice = true;
        m_steps.m_hardware.m_nMemoryMB = 8192;
        m_steps.m_hardware.m_nFreeDiskMB = 50000;
    }
    void Windows7() { m_steps.m_osVersion = {6, 1, 1}; }
    std::vector<EVerdict> Verdicts()
    {
        std::vector<EVerdict> aVerdicts;
        for (ERequirement requirement : g_aRequirements)
        {
            aVerdicts.push_back(m_dialog.GetShownVerdict(requirement).value());
        }
        return aVerdicts;
    }
    bool AnyVerdictShown()
    {
        for (ERequirement requirement : g_aRequirements)
        {
            if (m_dialog.GetShownVerdict(requirement))
            {
                return true;
            }
        }
        return false;
    }

    CFakeQualificationSteps m_steps;
    CRecordingView m_view;
    CRigvetDlg m_dialog;
};

constexpr EVerdict P = EVerdict::Pass;
constexpr EVerdict F = EVerdict::Fail;
constexpr EVerdict U = EVerdict::Unknown;
} // namespace

TEST_F(CRigvetDlgTest, ConsentedRunOnWindows8CallsEveryStepInOrderAndPasses)
{
    GoodHardware();
    m_steps.m_timeResponse.strDate = L"Thu, 01 Jan 2026 00:00:03 GMT";
    m_dialog.RunQualification();

    EXPECT_EQ(m_steps.m_aCalls, kFullRun);
    EXPECT_EQ(m_steps.m_nReleases, 1);
    EXPECT_TRUE(m_dialog.m_bFinished);
    EXPECT_TRUE(m_dialog.m_bInternetConsent);
    EXPECT_EQ(m_dialog.m_pResults->m_llClockDelta, 3);
    EXPECT_THAT(Verdicts(), ElementsAre(P, P, P, P, P, P));
    EXPECT_THAT(m_view.Captions(), ElementsAre(L"Internet Consent"));
    EXPECT_EQ(m_view.m_aBoxes[0].nStyle, 0x23u);
    EXPECT_THAT(m_view.m_aEvents,
                ElementsAre(L"invalidate", L"box:Internet Consent", L"busy:show", L"button:disable",
                            L"repaint", L"busy:hide", L"button:enable", L"invalidate", L"repaint"));
}

TEST_F(CRigvetDlgTest, NoSkipsOnlyTheClockWhichStaysUnknown)
{
    GoodHardware();
    m_view.m_nConsentAnswer = MessageBoxAnswer::kNo;
    m_dialog.RunQualification();

    std::vector<std::string> aWithoutClock(kFullRun.begin(), kFullRun.end() - 1);
    EXPECT_EQ(m_steps.m_aCalls, aWithoutClock);
    EXPECT_THAT(Verdicts(), ElementsAre(P, P, P, P, P, U));
}

TEST_F(CRigvetDlgTest, CancelAfterAFinishedRunClearsTheVerdictsAndRunsNothing)
{
    m_dialog.RunQualification();
    ASSERT_TRUE(AnyVerdictShown());
    m_steps.m_aCalls.clear();
    m_view.m_aBoxes.clear();
    m_view.m_nConsentAnswer = MessageBoxAnswer::kCancel;

    m_dialog.RunQualification();

    EXPECT_FALSE(m_dialog.m_bFinished);
    EXPECT_FALSE(AnyVerdictShown());
    EXPECT_THAT(m_steps.m_aCalls, IsEmpty());
    EXPECT_THAT(m_view.Captions(), ElementsAre(L"Internet Consent"));
}

TEST_F(CRigvetDlgTest, StartupGatesRefuseAfterTheConsentQuestion)
{
    struct SCase
    {
        const char* pszName;
        bool bRemote;
        std::uint16_t nMajor, nMinor, nServicePack;
        const wchar_t* pszCaption;
    };
    const SCase aCases[] = {
        {"remote session", true, 10, 0, 0, L"Remote Desktop Detected"},
        // The remote session is asked first: on an old system too it shows its own box.
        {"remote session on Windows 7 without SP1", true, 6, 1, 0, L"Remote Desktop Detected"},
        {"remote session on Vista", true, 6, 0, 2, L"Remote Desktop Detected"},
        {"Windows 7 without SP1", false, 6, 1, 0, L"Insufficient Operating System"},
        {"Vista", false, 6, 0, 2, L"Insufficient Operating System"},
    };
    for (const SCase& testCase : aCases)
    {
        for (int nAnswer : {MessageBoxAnswer::kYes, MessageBoxAnswer::kNo})
        {
            SCOPED_TRACE(testCase.pszName);
            CFakeQualificationSteps steps;
            CRecordingView view;
            steps.m_bRemote = testCase.bRemote;
            steps.m_osVersion = {testCase.nMajor, testCase.nMinor, testCase.nServicePack};
            view.m_nConsentAnswer = nAnswer;
            CRigvetDlg dialog(view, steps);
            dialog.RunQualification();

            EXPECT_FALSE(dialog.m_bFinished);
            EXPECT_THAT(view.Captions(), ElementsAre(L"Internet Consent", testCase.pszCaption));
            EXPECT_EQ(view.m_aBoxes[1].strText, LoadResourceString(testCase.bRemote ? 103 : 106));
            EXPECT_EQ(view.m_aBoxes[1].nStyle, 0x10u);
            EXPECT_THAT(steps.m_aCalls, ::testing::Not(::testing::Contains("CreateWorkFolder")));
            EXPECT_EQ(steps.m_nReleases, 0);
            EXPECT_THAT(view.m_aEvents, ::testing::Not(::testing::Contains(L"busy:show")));
        }
    }
}

TEST_F(CRigvetDlgTest, LockedReportStopsBeforeTheCaptureAndLeavesTheZeroStateWithClockUnknown)
{
    m_steps.m_bReportLocked = true;
    m_dialog.RunQualification();

    EXPECT_THAT(m_steps.m_aCalls, ElementsAre("IsRemoteSession", "CreateWorkFolder",
                                              "DeleteReportFile", "FileExistsNormalized"));
    ASSERT_EQ(m_view.m_aBoxes.size(), 2u);
    EXPECT_EQ(m_view.m_aBoxes[1].strCaption, L"Error Occurred - 10004");
    EXPECT_EQ(m_view.m_aBoxes[1].strText, LoadResourceString(10004));
    EXPECT_EQ(m_view.m_aBoxes[1].nStyle, 0x10u);
    EXPECT_TRUE(m_dialog.m_bFinished);
    EXPECT_THAT(Verdicts(), ElementsAre(F, F, P, F, F, U));
}

TEST_F(CRigvetDlgTest, EachRaisedCodeEndsTheRunWithItsBoxAndKeepsWhatWasFilled)
{
    struct SCase
    {
        const char* pszStep;
        std::int32_t nCode;
        const wchar_t* pszCaption;
        bool bHardwareFilled;
    };
    const SCase aCases[] = {
        {"CreateWorkFolder", 25101, L"Error Occurred - 25101", false},
        // Another run holds the work folder.
        {"CreateWorkFolder", 10004, L"Error Occurred - 10004", false},
        {"CaptureDiagnosticsReport", 10005, L"Error Occurred - 10005", false},
        {"LoadDiagnosticsReport", -998, L"Error Occurred - -998", false},
        {"SearchInstalledUpdates", -999, L"Error Occurred - -999", true},
        {"SearchInstalledUpdates", 11000, L"Error Occurred - 11000", true},
        {"SearchInstalledUpdates", 11009, L"Error Occurred - 11009", true},
    };
    for (const SCase& testCase : aCases)
    {
        SCOPED_TRACE(std::string(testCase.pszStep) + " " + std::to_string(testCase.nCode));
        CFakeQualificationSteps steps;
        CRecordingView view;
        steps.m_osVersion = {6, 1, 1};
        steps.m_hardware.m_nMemoryMB = 8192;
        steps.FailAt(testCase.pszStep, CZelSimpleException(testCase.nCode, L"the message"));
        bool bBusyDuringBox = false;
        view.m_onBox = [&] { bBusyDuringBox = view.m_bBusyShown; };
        CRigvetDlg dialog(view, steps);
        dialog.RunQualification();

        EXPECT_EQ(steps.m_aCalls.back(), testCase.pszStep);
        ASSERT_EQ(view.m_aBoxes.size(), 2u);
        EXPECT_EQ(view.m_aBoxes[1].strCaption, testCase.pszCaption);
        EXPECT_EQ(view.m_aBoxes[1].strText, L"the message");
        EXPECT_TRUE(bBusyDuringBox);
        EXPECT_TRUE(dialog.m_bFinished);
        EXPECT_FALSE(view.m_bBusyShown);
        EXPECT_TRUE(view.m_bButtonEnabled);
        EXPECT_EQ(dialog.m_pResults->m_nMemoryMB, testCase.bHardwareFilled ? 8192u : 0u);
        EXPECT_EQ(dialog.GetShownVerdict(ERequirement::Clock), EVerdict::Unknown);
        // A folder that was not created is not held.
        EXPECT_EQ(steps.m_nReleases, std::string(testCase.pszStep) == "CreateWorkFolder" ? 0 : 1);
    }
}

TEST_F(CRigvetDlgTest, AnUnexpectedFailureStillRestoresTheDialog)
{
    m_steps.FailAt("CaptureDiagnosticsReport", std::nullopt);
    m_dialog.RunQualification();

    ASSERT_EQ(m_view.m_aBoxes.size(), 2u);
    EXPECT_EQ(m_view.m_aBoxes[1].strCaption, L"Error Occurred - -1");
    EXPECT_TRUE(m_dialog.m_bFinished);
    EXPECT_TRUE(m_view.m_bButtonEnabled);
    EXPECT_FALSE(m_view.m_bBusyShown);
}

TEST_F(CRigvetDlgTest, VirtualAdapterWarningComesAfterTheVerdictsAndAfterAnError)
{
    Windows7();
    m_steps.m_bVirtualAdapter = true;
    m_steps.FailAt("SearchInstalledUpdates", CZelSimpleException(11005, L"x"));
    std::vector<int> aHoldsEnded; // at each box: the run holds its work folder to the end
    m_view.m_onBox = [&] { aHoldsEnded.push_back(m_steps.m_nReleases); };
    m_dialog.RunQualification();

    EXPECT_THAT(aHoldsEnded, ElementsAre(0, 0, 0));
    EXPECT_EQ(m_steps.m_nReleases, 1);
    EXPECT_THAT(m_view.Captions(), ElementsAre(L"Internet Consent", L"Error Occurred - 11005",
                                               L"Possible Virtualization Detected"));
    EXPECT_EQ(m_view.m_aBoxes[2].strText, LoadResourceString(105));
    const std::vector<std::wstring> aTail(m_view.m_aEvents.end() - 5, m_view.m_aEvents.end());
    EXPECT_THAT(aTail, ElementsAre(L"busy:hide", L"button:enable", L"invalidate", L"repaint",
                                   L"box:Possible Virtualization Detected"));
}

TEST_F(CRigvetDlgTest, Windows7SearchesTheRequiredUpdatesAndGatesTheClock)
{
    Windows7();
    m_steps.m_strUpdatesFound = L"4474419,4490628"; // one of the three required is missing
    m_dialog.RunQualification();
    EXPECT_THAT(m_steps.m_aCalls, ::testing::Not(::testing::Contains("RequestInternetDate")));
    EXPECT_EQ(m_view.m_aBoxes.back().strCaption, L"Error Occurred - 10003");
    EXPECT_EQ(m_view.m_aBoxes.back().strText, LoadResourceString(10003));
    EXPECT_THAT(Verdicts(), ElementsAre(P, F, F, F, F, U));

    m_steps.InstallRequiredUpdates();
    m_dialog.RunQualification();
    EXPECT_EQ(m_steps.m_aCalls.back(), "RequestInternetDate");
    EXPECT_EQ(m_dialog.GetShownVerdict(ERequirement::Updates), EVerdict::Pass);
    EXPECT_EQ(m_dialog.GetShownVerdict(ERequirement::Clock), EVerdict::Pass);
}

TEST_F(CRigvetDlgTest, Windows8NeverSearchesUpdates)
{
    m_dialog.RunQualification();
    EXPECT_THAT(m_steps.m_aCalls, ::testing::Not(::testing::Contains("SearchInstalledUpdates")));
    EXPECT_FALSE(m_dialog.m_pResults->m_bUpdatesFound);
}

TEST_F(CRigvetDlgTest, LogFileHoldsExactlyTheUpdatesLineOnWindows7)
{
    CTestFolder folder;
    const std::string strLog = folder.File("q.log");
    m_dialog.m_strLogPath = Utf8ToWide(strLog);
    Windows7();
    m_steps.m_strUpdatesFound = L"4474419,4490628,4474419";
    m_dialog.RunQualification();
    EXPECT_EQ(ReadTextFile(strLog),
              "The following updates were found on the system: 4474419,4490628,4474419");

    m_steps.m_strUpdatesFound.clear();
    m_dialog.RunQualification();
    EXPECT_EQ(ReadTextFile(strLog), "The following updates were found on the system: ");
}

TEST_F(CRigvetDlgTest, UpdateIdsOutsideAsciiAreLoggedAsQuestionMarks)
{
    CTestFolder folder;
    const std::string strLog = folder.File("q.log");
    m_dialog.m_strLogPath = Utf8ToWide(strLog);
    Windows7();
    m_steps.m_strUpdatesFound = L"4474419,KB\u00e9,\u4e2d4490628";
    m_dialog.RunQualification();
    EXPECT_EQ(ReadTextFile(strLog),
              "The following updates were found on the system: 4474419,KB?,?4490628");
    EXPECT_EQ(m_dialog.m_logFile.GetProblem(), "");
}

TEST_F(CRigvetDlgTest, LogFileIsCreatedEmptyByEveryOtherEnding)
{
    struct SCase
    {
        const char* pszName;
        std::function<void(CFakeQualificationSteps&, CRecordingView&)> arrange;
    };
    const SCase aCases[] = {
        {"Windows 8", [](CFakeQualificationSteps&, CRecordingView&) {}},
        {"cancel", [](CFakeQualificationSteps&, CRecordingView& view)
         { view.m_nConsentAnswer = MessageBoxAnswer::kCancel; }},
        {"remote", [](CFakeQualificationSteps& steps, CRecordingView&) { steps.m_bRemote = true; }},
        {"locked",
         [](CFakeQualificationSteps& steps, CRecordingView&) { steps.m_bReportLocked = true; }},
        {"Windows 7, failed search",
         [](CFakeQualificationSteps& steps, CRecordingView&)
         {
             steps.m_osVersion = {6, 1, 1};
             steps.FailAt("SearchInstalledUpdates", CZelSimpleException(11003, L"x"));
         }},
    };
    for (const SCase& testCase : aCases)
    {
        SCOPED_TRACE(testCase.pszName);
        CTestFolder folder;
        const std::string strLog = folder.File("run.log");
        WriteTextFile(strLog, "left from an earlier run");
        CFakeQualificationSteps steps;
        CRecordingView view;
        testCase.arrange(steps, view);
        CRigvetDlg dialog(view, steps);
        dialog.m_strLogPath = Utf8ToWide(strLog);
        dialog.RunQualification();
        EXPECT_EQ(ReadTextFile(strLog), "");
        EXPECT_FALSE(dialog.m_logFile.IsOpen());
    }
}

TEST_F(CRigvetDlgTest, APipeWithoutReaderAsLogPathDoesNotHoldTheRun)
{
    CTestFolder folder;
    const std::string strPipe = folder.File("pipe");
    ASSERT_EQ(mkfifo(strPipe.c_str(), 0600), 0);
    m_dialog.m_strLogPath = Utf8ToWide(strPipe);
    m_dialog.RunQualification();
    EXPECT_TRUE(m_dialog.m_bFinished);
}

TEST_F(CRigvetDlgTest, ALogPathThatCannotBeOpenedDoesNotStopTheRun)
{
    Windows7();
    m_steps.InstallRequiredUpdates();
    m_dialog.m_strLogPath = L"/nonexistent-folder/q.log";
    m_dialog.RunQualification();
    EXPECT_TRUE(m_dialog.m_bFinished);
    EXPECT_EQ(m_dialog.GetShownVerdict(ERequirement::Updates), EVerdict::Pass);
}

TEST_F(CRigvetDlgTest, ASecondPressStartsFromAClearedRecordAfterAnyEnding)
{
    GoodHardware();
    m_steps.FailAt("LoadDiagnosticsReport", CZelSimpleException(-998, L"x"));
    m_dialog.RunQualification();
    m_steps.FailAt("", std::nullopt);
    m_steps.m_hardware = TestResults();
    m_steps.m_hardware.m_nMemoryMB = 4095;

    bool bClearedWhenAsked = false;
    m_view.m_onBox = [&]
    {
        if (m_view.m_aBoxes.back().strCaption == L"Internet Consent")
        {
            bClearedWhenAsked = !m_dialog.m_bFinished && m_dialog.m_pResults->m_nMemoryMB == 0;
        }
    };
    m_dialog.RunQualification();
    EXPECT_TRUE(bClearedWhenAsked);
    EXPECT_EQ(m_steps.m_aCalls.size(), 6u + kFullRun.size());
    EXPECT_THAT(Verdicts(), ElementsAre(F, F, P, P, F, P));
}

TEST_F(CRigvetDlgTest, ClockOutcomesOfTheTimeRequest)
{
    struct SCase
    {
        const char* pszName;
        SHttpDateResponse response;
        bool bConsentAfter;
        std::int64_t llDelta;
    };
    const SCase aCases[] = {
        {"59 s ahead", {200, L"Thu, 01 Jan 2026 00:00:59 GMT"}, true, 59},
        {"60 s behind", {200, L"Wed, 31 Dec 2025 23:59:00 GMT"}, true, -60},
        {"status 404", {404, L"Thu, 01 Jan 2026 00:00:00 GMT"}, false, 0},
        {"no Date", {200, L""}, false, 0},
        {"unknown month", {200, L"Thu, 01 Foo 2026 00:00:00 GMT"}, false, 0},
    };
    for (const SCase& testCase : aCases)
    {
        SCOPED_TRACE(testCase.pszName);
        CFakeQualificationSteps steps;
        CRecordingView view;
        steps.m_timeResponse = testCase.response;
        CRigvetDlg dialog(view, steps);
        dialog.RunQualification();
        EXPECT_EQ(dialog.m_bInternetConsent, testCase.bConsentAfter);
        EXPECT_EQ(dialog.m_pResults->m_llClockDelta, testCase.llDelta);
        if (!testCase.bConsentAfter)
        {
            EXPECT_EQ(view.m_aBoxes.back().strCaption, L"Error Occurred - 10002");
            EXPECT_EQ(view.m_aBoxes.back().strText, LoadResourceString(10002));
        }
    }
}

TEST_F(CRigvetDlgTest, RequirementHelpShowsItsOwnCaptionAndText)
{
    const std::pair<ERequirement, unsigned int> aCases[] = {
        {ERequirement::Display, 109}, {ERequirement::Sound, 111},    {ERequirement::Updates, 117},
        {ERequirement::Memory, 113},  {ERequirement::FreeDisk, 115}, {ERequirement::Clock, 118},
    };
    for (const auto& [requirement, nCaptionId] : aCases)
    {
        m_view.m_aBoxes.clear();
        m_dialog.ShowRequirementHelp(requirement);
        ASSERT_EQ(m_view.m_aBoxes.size(), 1u);
        EXPECT_EQ(m_view.m_aBoxes[0].strCaption, LoadResourceString(nCaptionId));
        const unsigned int nTextId = nCaptionId == 118 ? 119 : nCaptionId - 1;
        EXPECT_EQ(m_view.m_aBoxes[0].strText, LoadResourceString(nTextId));
        EXPECT_EQ(m_view.m_aBoxes[0].nStyle, 0x40u);
    }
}
