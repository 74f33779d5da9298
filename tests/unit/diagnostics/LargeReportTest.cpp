#include "support/LargeReport.h"

#include "diagnostics/HardwareChecks.h"
#include "diagnostics/XmlReport.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

namespace
{
TEST(LargeReport, LoadsAndEvaluatesWholly)
{
    constexpr std::size_t nBytes = 5 * 1024 * 1024;
    const std::string strXml = GenerateLargeReport(nBytes);
    EXPECT_GE(strXml.size(), nBytes);
    EXPECT_LT(strXml.size(), nBytes + 4096);
    const CTestFolder folder;
    WriteTextFile(folder.Path() / "qdxd.xml", strXml);

    const auto pDocument = LoadDiagnosticsReport((folder.Path() / "qdxd.xml").wstring());
    TestResults results;
    EXPECT_TRUE(EvaluateHardwareReport(*pDocument, results, kLargeReportDriveRoot));
    EXPECT_EQ(results.m_fFeatureLevel, kLargeReportFeatureLevel);
    EXPECT_TRUE(results.m_bSoundDevice);
    EXPECT_EQ(results.m_nMemoryMB, kLargeReportMemoryMB);
    EXPECT_EQ(results.m_nFreeDiskMB, kLargeReportFreeDiskMB);
}
} // namespace
