// The fixture reports through this build's own report reader (pugixml on Linux, MSXML on
// Windows) and the hardware checks, against the one table both builds share.
#include "support/ReportCases.h"

#include "diagnostics/HardwareChecks.h"
#include "diagnostics/XmlReport.h"
#include "support/TextConvert.h"

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
} // namespace
