// The update step inside the whole run: the real controller, the real file-backed search and a
// real log file; only the diagnostics, the time source and the window are stand-ins.
#include "run/CRigvetDlg.h"
#include "run/MessageBoxStyle.h"
#include "run/OsVersion.h"
#include "support/FakeQualificationSteps.h"
#include "support/LoadResourceString.h"
#include "support/RecordingView.h"
#include "support/TestFolder.h"
#include "support/TextConvert.h"
#include "updates/CFileUpdateAgent.h"
#include "updates/SearchInstalledUpdates.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

using ::testing::Contains;
using ::testing::Not;

namespace
{
constexpr std::time_t kNow = 1700000000; // Tue, 14 Nov 2023 22:13:20 GMT

// The scripted steps of the run tests, with the real file-backed update search on the given file
// and a time server that agrees with the clock.
class CUpdatePathSteps : public CFakeQualificationSteps
{
public:
    CUpdatePathSteps(SOsVersion osVersion, std::optional<std::string> strUpdatesPath)
        : m_strUpdatesPath(std::move(strUpdatesPath))
    {
        m_osVersion = osVersion;
        m_timeResponse = {200, L"Tue, 14 Nov 2023 22:13:20 GMT"};
        m_systemTime = kNow;
    }

    std::unique_ptr<IUpdateAgent> CreateUpdateAgent() override
    {
        ++m_nSearchCount;
        return std::make_unique<CFileUpdateAgent>(m_strUpdatesPath);
    }
    SHttpDateResponse FetchHttpDate(const std::string& strBaseUrl,
                                    const std::wstring& strUserAgent) override
    {
        ++m_nRequestCount;
        return CFakeQualificationSteps::FetchHttpDate(strBaseUrl, strUserAgent);
    }

    int m_nSearchCount = 0;
    int m_nRequestCount = 0;

private:
    std::optional<std::string> m_strUpdatesPath;
};

constexpr SOsVersion kWindows7Sp1{6, 1, 1};
constexpr SOsVersion kWindows10{10, 0, 0};
constexpr const char* kLogLine = "The following updates were found on the system: ";

class UpdateSearchRun : public ::testing::Test
{
protected:
    CRigvetDlg& Run(const std::optional<std::string>& strUpdates, SOsVersion osVersion,
                    int nConsentAnswer)
    {
        std::optional<std::string> strPath;
        if (strUpdates)
        {
            strPath = m_folder.Write("updates.txt", *strUpdates);
        }
        else
        {
            strPath = m_folder.File("absent.txt");
        }
        m_pView = std::make_unique<CRecordingView>();
        m_pView->m_nConsentAnswer = nConsentAnswer;
        m_pSteps = std::make_unique<CUpdatePathSteps>(osVersion, strPath);
        m_pDialog = std::make_unique<CRigvetDlg>(*m_pView, *m_pSteps);
        m_pDialog->m_strLogPath = Utf8ToWide(m_strLogPath);
        m_pDialog->RunQualification();
        EXPECT_TRUE(m_pDialog->m_bFinished);
        return *m_pDialog;
    }

    std::string Log() const { return ReadTextFile(m_strLogPath); }

    CTestFolder m_folder;
    std::string m_strLogPath = m_folder.File("updates.log");
    std::unique_ptr<CRecordingView> m_pView;
    std::unique_ptr<CUpdatePathSteps> m_pSteps;
    std::unique_ptr<CRigvetDlg> m_pDialog;
};

TEST_F(UpdateSearchRun, AllArticlesFoundAreLoggedAndOpenTheClockCheck)
{
    CRigvetDlg& dialog =
        Run("4474419\n4490628,982018\n4536952\n", kWindows7Sp1, MessageBoxAnswer::kYes);
    EXPECT_TRUE(dialog.m_pResults->m_bUpdatesFound);
    EXPECT_EQ(Log(), std::string(kLogLine) + "4474419,4490628,982018,4536952");
    EXPECT_EQ(m_pSteps->m_nRequestCount, 1);
    EXPECT_TRUE(dialog.m_bInternetConsent);
    EXPECT_EQ(dialog.GetShownVerdict(ERequirement::Updates), EVerdict::Pass);
    EXPECT_EQ(dialog.GetShownVerdict(ERequirement::Clock), EVerdict::Pass);
    EXPECT_EQ(m_pView->m_aBoxes.size(), 1u) << "only the consent question";
}

TEST_F(UpdateSearchRun, MissingArticleIsLoggedAndGatesTheClockWith10003)
{
    CRigvetDlg& dialog = Run("4474419\n4536952\n", kWindows7Sp1, MessageBoxAnswer::kYes);
    EXPECT_FALSE(dialog.m_pResults->m_bUpdatesFound);
    EXPECT_EQ(Log(), std::string(kLogLine) + "4474419,4536952");
    EXPECT_EQ(m_pSteps->m_nRequestCount, 0);
    EXPECT_FALSE(dialog.m_bInternetConsent);
    ASSERT_EQ(m_pView->m_aBoxes.size(), 2u);
    EXPECT_EQ(m_pView->m_aBoxes[1].strCaption, L"Error Occurred - 10003");
    EXPECT_EQ(m_pView->m_aBoxes[1].strText, LoadResourceString(10003));
    EXPECT_EQ(dialog.GetShownVerdict(ERequirement::Updates), EVerdict::Fail);
    EXPECT_EQ(dialog.GetShownVerdict(ERequirement::Clock), EVerdict::Unknown);
}

TEST_F(UpdateSearchRun, NoConsentSkipsTheClockWithoutTheGateMessage)
{
    CRigvetDlg& dialog = Run("4474419\n", kWindows7Sp1, MessageBoxAnswer::kNo);
    EXPECT_FALSE(dialog.m_pResults->m_bUpdatesFound);
    EXPECT_EQ(Log(), std::string(kLogLine) + "4474419");
    EXPECT_EQ(m_pSteps->m_nRequestCount, 0);
    EXPECT_THAT(m_pView->Captions(), Not(Contains(L"Error Occurred - 10003")));
}

TEST_F(UpdateSearchRun, EmptyUpdateFileLogsTheLineAlone)
{
    CRigvetDlg& dialog = Run("", kWindows7Sp1, MessageBoxAnswer::kYes);
    EXPECT_FALSE(dialog.m_pResults->m_bUpdatesFound);
    EXPECT_EQ(Log(), kLogLine);
    EXPECT_THAT(m_pView->Captions(), Contains(L"Error Occurred - 10003"));
}

TEST_F(UpdateSearchRun, MissingUpdateFileEndsTheRunWith11000AndAnEmptyLog)
{
    CRigvetDlg& dialog = Run(std::nullopt, kWindows7Sp1, MessageBoxAnswer::kYes);
    EXPECT_FALSE(dialog.m_pResults->m_bUpdatesFound);
    EXPECT_EQ(Log(), "");
    EXPECT_EQ(m_pSteps->m_nRequestCount, 0);
    ASSERT_EQ(m_pView->m_aBoxes.size(), 2u);
    EXPECT_EQ(m_pView->m_aBoxes[1].strCaption, L"Error Occurred - 11000");
    EXPECT_EQ(m_pView->m_aBoxes[1].strText,
              L"The Windows Update Agent Knowledge Base search has failed. The testing has been "
              L"aborted.");
    EXPECT_EQ(dialog.GetShownVerdict(ERequirement::Updates), EVerdict::Fail);
}

TEST_F(UpdateSearchRun, WindowsEightOrLaterSearchesNothingAndLeavesTheLogEmpty)
{
    CRigvetDlg& dialog = Run(std::nullopt, kWindows10, MessageBoxAnswer::kYes);
    EXPECT_EQ(m_pSteps->m_nSearchCount, 0);
    EXPECT_FALSE(dialog.m_pResults->m_bUpdatesFound);
    EXPECT_EQ(Log(), "");
    EXPECT_EQ(m_pSteps->m_nRequestCount, 1);
}

TEST_F(UpdateSearchRun, SecondRunCreatesTheLogAnew)
{
    Run("4474419\n4490628\n4536952\n", kWindows7Sp1, MessageBoxAnswer::kNo);
    Run("4474419\n", kWindows7Sp1, MessageBoxAnswer::kNo);
    EXPECT_EQ(Log(), std::string(kLogLine) + "4474419");
}
} // namespace
