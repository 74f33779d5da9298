// The fixture reports through this build's own report reader (pugixml on Linux, MSXML on
// Windows) and the hardware checks, against the one table both builds share.
#include "support/ReportCases.h"

#include "diagnostics/HardwareChecks.h"
#include "diagnostics/XmlReport.h"
#include "support/CZelSimpleException.h"
#include "support/TextConvert.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace
{
const std::string kReports = std::string(RIGVET_FIXTURES_DIR) + "/reports/";

class EvaluateHardwareReportTest : public ::testing::TestWithParam<SReportCase>
{
};

TEST_P(EvaluateHardwareReportTest, FillsTheValues)
{
    const SReportCase& c = GetParam();
    TestResults results;
    const bool bVirtual = EvaluateHardwareReport(
        *LoadDiagnosticsReport(Utf8ToWide(kReports + c.pszFixture)), results, c.pszDriveRoot);
    EXPECT_EQ(bVirtual, c.bVirtual);
    EXPECT_EQ(results.m_fFeatureLevel, c.fFeatureLevel);
    EXPECT_EQ(results.m_bSoundDevice, c.bSoundDevice);
    EXPECT_EQ(results.m_nMemoryMB, c.nMemoryMB);
    EXPECT_EQ(results.m_nFreeDiskMB, c.nFreeDiskMB);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, EvaluateHardwareReportTest,
                         ::testing::ValuesIn(GetReportCases()),
                         [](const ::testing::TestParamInfo<SReportCase>& info)
                         { return info.param.pszName; });
class HostileReportTest : public ::testing::TestWithParam<SHostileReportCase>
{
};

TEST_P(HostileReportTest, IsReadAsTheWindowsReaderReadsIt)
{
    const SHostileReportCase& c = GetParam();
    if (c.bWineDiffers && RIGVET_READER_IS_MSXML)
    {
        GTEST_SKIP() << "Wine's MSXML differs from Windows' on this report";
    }
    const std::wstring strPath =
        Utf8ToWide(std::string(RIGVET_FIXTURES_DIR) + "/hostile/" + c.pszFixture);
    if (c.outcome == EHostileOutcome::Refused)
    {
        try
        {
            LoadDiagnosticsReport(strPath);
            ADD_FAILURE() << "loaded";
        }
        catch (const CZelSimpleException& exception)
        {
            EXPECT_EQ(exception.m_nCode, -998);
            EXPECT_EQ(exception.m_strDetail.rfind(L"not well-formed XML", 0), 0u);
        }
        return;
    }
    TestResults results;
    const bool bVirtual = EvaluateHardwareReport(*LoadDiagnosticsReport(strPath), results, L"C:\\");
    const bool bExpectVirtual = c.outcome == EHostileOutcome::VirtualAdapter;
    EXPECT_EQ(bVirtual, bExpectVirtual);
    EXPECT_EQ(results.m_fFeatureLevel, bExpectVirtual ? 0.0f : 12.1f);
    EXPECT_TRUE(results.m_bSoundDevice);
    EXPECT_EQ(results.m_nMemoryMB, c.nMemoryMB);
    EXPECT_EQ(results.m_nFreeDiskMB, 51234u);
}

INSTANTIATE_TEST_SUITE_P(Hostile, HostileReportTest, ::testing::ValuesIn(GetHostileReportCases()),
                         [](const ::testing::TestParamInfo<SHostileReportCase>& info)
                         {
                             std::string strName = info.param.pszFixture;
                             strName.resize(strName.size() - 4);
                             std::replace(strName.begin(), strName.end(), '-', '_');
                             return strName;
                         });
} // namespace
