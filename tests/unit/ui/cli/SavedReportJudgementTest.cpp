#include "ui/cli/SavedReportJudgement.h"

#include "diagnostics/DriveRoot.h"
#include "diagnostics/WorkFolder.h"
#include "run/CSystemSteps.h"
#include "support/TestFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace
{
const std::string kSaved = std::string(RIGVET_FIXTURES_DIR) + "/saved-reports/";
const std::string kReports = std::string(RIGVET_FIXTURES_DIR) + "/reports/";

std::wstring Wide(const std::string& strPath)
{
    return std::wstring(strPath.begin(), strPath.end());
}

// Judges with a live root that counts how often it is asked.
class SavedReportJudgementTest : public ::testing::Test
{
protected:
    SavedReportJudgementTest()
    {
        m_settings.GetLiveDriveRoot = [this]
        {
            ++m_nLiveRootCalls;
            return std::wstring(L"/srv/lab\\");
        };
    }

    SQualificationResult Judge(const std::string& strPath)
    {
        return JudgeSavedReport(Wide(strPath), m_settings);
    }

    static std::vector<EVerdict> Verdicts(const SQualificationResult& result)
    {
        std::vector<EVerdict> aVerdicts;
        for (const SRequirementResult& row : result.aRequirements)
        {
            aVerdicts.push_back(row.verdict);
        }
        return aVerdicts;
    }

    static std::wstring ValueText(const SQualificationResult& result, ERequirement requirement)
    {
        for (const SRequirementResult& row : result.aRequirements)
        {
            if (row.requirement == requirement)
            {
                return row.strValueText;
            }
        }
        return L"(none)";
    }

    SReportJudgeSettings m_settings;
    int m_nLiveRootCalls = 0;
};

constexpr EVerdict P = EVerdict::Pass;
constexpr EVerdict F = EVerdict::Fail;
constexpr EVerdict U = EVerdict::Unknown;
} // namespace

TEST_F(SavedReportJudgementTest, WindowsReportsInUtf8AndUtf16AreJudgedOnDriveC)
{
    for (const char* pszFile : {"windows10-utf8.xml", "windows10-utf16.xml"})
    {
        SCOPED_TRACE(pszFile);
        const SQualificationResult result = Judge(kSaved + pszFile);
        EXPECT_EQ(result.outcome, EResultOutcome::Finished);
        ASSERT_TRUE(result.report);
        EXPECT_EQ(result.report->strPath, Wide(kSaved + pszFile));
        EXPECT_EQ(result.report->strOperatingSystem,
                  L"Windows 10 Pro 64-bit (10.0, Build 19045) (19041.vb_release.191206-1406)");
        EXPECT_EQ(result.report->systemClass, ESystemClass::Windows8OrLater);
        EXPECT_EQ(result.report->strMachineName, L"LAB-PC-07");
        EXPECT_EQ(result.report->strDriveRoot, L"C:\\");
        EXPECT_EQ(Verdicts(result), (std::vector<EVerdict>{P, P, P, P, P, U}));
        EXPECT_EQ(ValueText(result, ERequirement::Display), L"feature level 12.1");
        EXPECT_EQ(ValueText(result, ERequirement::Memory), L"16384 MB");
        // C: is listed after D:; its free space is the one judged.
        EXPECT_EQ(ValueText(result, ERequirement::FreeDisk), L"86234 MB free");
        EXPECT_EQ(result.aRequirements[3].strReason, L""); // the disk C: is listed
        EXPECT_TRUE(result.aWarnings.empty());
        EXPECT_FALSE(result.error);
    }
    EXPECT_EQ(m_nLiveRootCalls, 0);
}

TEST_F(SavedReportJudgementTest, Windows7ReportPassesTheDisplayAndLeavesTheUpdatesUnknown)
{
    const SQualificationResult result = Judge(kSaved + "windows7-utf16.xml");
    EXPECT_EQ(result.report->systemClass, ESystemClass::Windows7);
    EXPECT_EQ(Verdicts(result), (std::vector<EVerdict>{P, P, U, F, F, U}));
    EXPECT_EQ(ValueText(result, ERequirement::Display), L"feature level 10.1");
    EXPECT_EQ(ValueText(result, ERequirement::FreeDisk), L"912 MB free");
}

TEST_F(SavedReportJudgementTest, VirtualAdapterIsAWarning)
{
    const SQualificationResult result = Judge(kSaved + "windows11-virtual-utf8.xml");
    ASSERT_EQ(result.aWarnings.size(), 1u);
    EXPECT_EQ(result.aWarnings[0].strId, L"virtualization");
    EXPECT_THAT(result.aWarnings[0].strMessage,
                ::testing::StartsWith(L"One or more virtualized devices were detected"));
    EXPECT_EQ(Verdicts(result), (std::vector<EVerdict>{F, P, P, P, P, U}));
}

TEST_F(SavedReportJudgementTest, OlderSystemIsRefusedAsALiveRunWouldBe)
{
    const SQualificationResult result = Judge(kSaved + "windows-vista-utf8.xml");
    EXPECT_EQ(result.outcome, EResultOutcome::Refused);
    EXPECT_EQ(result.stop, ERunStop::OldSystem);
    EXPECT_THAT(result.strStopMessage, ::testing::HasSubstr(L"require Windows 7 SP1 or greater"));
    EXPECT_EQ(result.report->systemClass, ESystemClass::OlderThanWindows7Sp1);
    EXPECT_TRUE(result.aRequirements.empty());
}

TEST_F(SavedReportJudgementTest, CollectorReportIsJudgedOnTheDiskOfALiveRun)
{
    const SQualificationResult result = Judge(kSaved + "linux-collector.xml");
    EXPECT_EQ(result.report->systemClass, ESystemClass::Linux);
    EXPECT_EQ(result.report->strDriveRoot, L"/srv/lab\\");
    EXPECT_EQ(ValueText(result, ERequirement::FreeDisk), L"250000 MB free");
    EXPECT_EQ(Verdicts(result), (std::vector<EVerdict>{P, P, P, P, P, U}));
    EXPECT_EQ(m_nLiveRootCalls, 1);
}

TEST_F(SavedReportJudgementTest, AGivenDriveOverridesBothOrigins)
{
    m_settings.strDriveRoot = L"D:\\";
    EXPECT_EQ(ValueText(Judge(kSaved + "windows10-utf8.xml"), ERequirement::FreeDisk),
              L"812345 MB free");
    m_settings.strDriveRoot = L"/\\";
    EXPECT_EQ(ValueText(Judge(kSaved + "linux-collector.xml"), ERequirement::FreeDisk),
              L"500 MB free");
    EXPECT_EQ(m_nLiveRootCalls, 0);
}

TEST_F(SavedReportJudgementTest, ReportWithoutOperatingSystemLeavesDisplayAndUpdatesUnknown)
{
    const SQualificationResult result = Judge(kReports + "disks-odd-order.xml");
    EXPECT_EQ(result.outcome, EResultOutcome::Finished);
    EXPECT_EQ(result.report->systemClass, ESystemClass::Unknown);
    EXPECT_EQ(result.report->strDriveRoot, L"C:\\");
    EXPECT_EQ(Verdicts(result), (std::vector<EVerdict>{U, F, U, F, F, U}));
    // The first C: counts, as in a live run.
    EXPECT_EQ(ValueText(result, ERequirement::FreeDisk), L"2 MB free");
}

TEST_F(SavedReportJudgementTest, FilesThatCannotBeJudgedGiveAnErrorEach)
{
    CTestFolder folder;
    for (const std::string& strPath :
         {kReports + "empty.xml", kReports + "truncated.xml",
          folder.Path().string() + "/missing.xml", folder.Path().string()})
    {
        SCOPED_TRACE(strPath);
        const SQualificationResult result = Judge(strPath);
        EXPECT_EQ(result.outcome, EResultOutcome::Error);
        ASSERT_TRUE(result.error);
        EXPECT_EQ(result.error->nCode, -998);
        EXPECT_EQ(result.error->strMessage, L"Could not load the dxdiag XML file");
        ASSERT_TRUE(result.report);
        EXPECT_EQ(result.report->strPath, Wide(strPath));
        EXPECT_FALSE(result.report->systemClass);
        EXPECT_TRUE(result.aRequirements.empty());
    }
}

TEST(NormalizeDriveRoot, OneBackslashAtTheEnd)
{
    EXPECT_EQ(NormalizeDriveRoot(L"C:"), L"C:\\");
    EXPECT_EQ(NormalizeDriveRoot(L"C:\\"), L"C:\\");
    EXPECT_EQ(NormalizeDriveRoot(L"/home"), L"/home\\");
    EXPECT_EQ(NormalizeDriveRoot(L"c:"), L"C:\\");
    EXPECT_EQ(NormalizeDriveRoot(L"d:/"), L"D:\\");
    EXPECT_EQ(NormalizeDriveRoot(L"/home/"), L"/home\\");
    EXPECT_EQ(NormalizeDriveRoot(L"/"), L"/\\");
    EXPECT_EQ(NormalizeDriveRoot(L""), L"\\");
}

TEST(FindLiveDriveRoot, TheRootOfALiveRunWithoutMakingTheWorkFolder)
{
    CTestFolder folder;
    const CScopedVariable temp("TMPDIR", folder.Path().string());
    const CScopedVariable runtime("XDG_RUNTIME_DIR", std::nullopt);
    const CScopedVariable drive("RIGVET_DRIVE_ROOT", std::nullopt);
    CSystemSteps steps;
    const std::wstring strRoot = FindLiveDriveRoot(steps);
    EXPECT_EQ(strRoot, GetDriveRoot(GetReportPath()));
    EXPECT_FALSE(strRoot.empty());
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "sm3"));

    const CScopedVariable given("RIGVET_DRIVE_ROOT", "/srv/lab\\");
    EXPECT_EQ(FindLiveDriveRoot(steps), L"/srv/lab\\");
}

TEST_F(SavedReportJudgementTest, MissingVulkanNamesThePackageAndKeepsTheVerdict)
{
    const SQualificationResult result = Judge(kSaved + "linux-no-vulkan.xml");
    EXPECT_EQ(result.aRequirements[0].verdict, F);
    EXPECT_THAT(result.aRequirements[0].strReason,
                ::testing::HasSubstr(L"feature level 11.0 or higher; no Vulkan loader"));
    EXPECT_THAT(result.aRequirements[0].strReason,
                ::testing::HasSubstr(L"install the package libvulkan1"));
    ASSERT_TRUE(result.system.has_value());
    EXPECT_EQ(result.system->strModel, L"OptiPlex 7080");
}
