#include "program/DiagnosticsRunFixture.h"

#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

using ::testing::HasSubstr;
using ::testing::Not;

namespace
{
const std::string kNotMeasured =
    "    not measured: the test stopped before the diagnostics report was read\n";
TEST_F(DiagnosticsRunTest, ReportGivesVerdictsWithValues)
{
    UseReportWithDisks();
    const SProgramResult result = Run();
    EXPECT_EQ(result.nExitCode, 2) << result.strError; // the clock is UNK without consent
    EXPECT_THAT(result.strOutput, HasSubstr("Display Device: PASS (feature level 12.1)\n"));
    EXPECT_THAT(result.strOutput, HasSubstr("Sound Device: PASS (sound device present)\n"));
    EXPECT_THAT(result.strOutput, HasSubstr("System Memory: PASS (16384 MB)\n"));
    EXPECT_THAT(result.strOutput, HasSubstr("Free Disk Space: PASS (7777 MB free)\n"));
    EXPECT_THAT(result.strOutput, Not(HasSubstr("Error Occurred")));
}

TEST_F(DiagnosticsRunTest, CollectorIsCalledInTheWorkFolderAndTheReportIsRemoved)
{
    UseReportWithDisks();
    const SProgramResult result = Run();
    EXPECT_EQ(result.nExitCode, 2);
    // The report is named within the folder the collector starts in.
    EXPECT_EQ(Calls(), "/whql:off /x qdxd.xml | " + WorkFolder() + "\n");
    EXPECT_TRUE(fs::is_directory(WorkFolder()));
    EXPECT_FALSE(fs::exists(fs::symlink_status(Report())));
}

TEST_F(DiagnosticsRunTest, WindowsReportIsJudgedOnTheDriveRootGiven)
{
    UseReport(kReports + "disks-odd-order.xml");
    m_options.environment["RIGVET_DRIVE_ROOT"] = "C:\\";
    EXPECT_THAT(Run().strOutput, HasSubstr("Free Disk Space: FAIL (2 MB free)\n"));
    m_options.environment["RIGVET_DRIVE_ROOT"] = "E:\\";
    EXPECT_THAT(Run().strOutput, HasSubstr("Free Disk Space: PASS (1234 MB free)\n"));
    m_options.environment["RIGVET_DRIVE_ROOT"] = "c:\\";
    EXPECT_THAT(Run().strOutput, HasSubstr("Free Disk Space: FAIL (0 MB free)\n"));
}

TEST_F(DiagnosticsRunTest, PoorMachineFailsWithItsValues)
{
    UseReport(kReports + "no-display.xml");
    const SProgramResult result = Run();
    EXPECT_THAT(result.strOutput, HasSubstr("Display Device: FAIL (feature level 0.0)\n"));
    EXPECT_THAT(result.strOutput, HasSubstr("Sound Device: FAIL (no sound device)\n"));
    EXPECT_THAT(result.strOutput, HasSubstr("System Memory: FAIL (2048 MB)\n"));
    EXPECT_THAT(result.strOutput, HasSubstr("Free Disk Space: FAIL (0 MB free)\n"));
}

TEST_F(DiagnosticsRunTest, VirtualAdapterIsWarnedAbout)
{
    UseReport(kReports + "remote-display.xml");
    const SProgramResult result = Run();
    EXPECT_THAT(result.strOutput, HasSubstr("[Possible Virtualization Detected]"));
    EXPECT_THAT(result.strOutput, HasSubstr("System Memory: PASS (4095 MB)\n"));
}

TEST_F(DiagnosticsRunTest, NonZeroExitOtherThanMinusOneIsSuccess)
{
    UseReportWithDisks();
    m_options.environment["RIGVET_FAKE_EXIT"] = "1";
    const SProgramResult result = Run();
    EXPECT_THAT(result.strOutput, HasSubstr("System Memory: PASS (16384 MB)\n"));
    EXPECT_THAT(result.strOutput, Not(HasSubstr("Error Occurred")));
}

TEST_F(DiagnosticsRunTest, CollectorExitingMinusOneFails)
{
    UseReportWithDisks();
    m_options.environment["RIGVET_FAKE_EXIT"] = "255";
    const SProgramResult result = Run();
    EXPECT_THAT(result.strOutput, HasSubstr(kCollectorFailed));
    EXPECT_THAT(result.strOutput, HasSubstr("System Memory: FAIL (0 MB)\n" + kNotMeasured));
    EXPECT_EQ(result.nExitCode, 4);
    EXPECT_TRUE(fs::exists(Report())); // left for the next run to remove
}

TEST_F(DiagnosticsRunTest, CrashingCollectorFails)
{
    UseReportWithDisks();
    m_options.environment["RIGVET_FAKE_ACTION"] = "crash";
    EXPECT_THAT(Run().strOutput, HasSubstr(kCollectorFailed));
}

TEST_F(DiagnosticsRunTest, MissingCollectorFails)
{
    m_options.environment["RIGVET_DXDIAG"] = m_tools.File("no-such-collector");
    EXPECT_THAT(Run().strOutput, HasSubstr(kCollectorFailed));
}

TEST_F(DiagnosticsRunTest, SlowCollectorIsWaitedFor)
{
    UseReportWithDisks();
    m_options.environment["RIGVET_FAKE_ACTION"] = "sleep";
    m_options.environment["RIGVET_FAKE_SECONDS"] = "1";
    EXPECT_THAT(Run().strOutput, HasSubstr("System Memory: PASS (16384 MB)\n"));
}

TEST_F(DiagnosticsRunTest, MissingReportFails)
{
    const SProgramResult result = Run();
    EXPECT_THAT(result.strOutput,
                HasSubstr("[Error Occurred - -998]\nCould not load the dxdiag XML file\n"));
}

TEST_F(DiagnosticsRunTest, BrokenReportFails)
{
    UseReport(kReports + "truncated.xml");
    EXPECT_THAT(Run().strOutput, HasSubstr("[Error Occurred - -998]"));
}

TEST_F(DiagnosticsRunTest, HeldReportStopsBeforeTheCollector)
{
    PrepareWorkFolder();
    fs::create_directory(Report()); // a folder cannot be removed as a file
    UseReportWithDisks();
    const SProgramResult result = Run();
    EXPECT_THAT(result.strOutput,
                HasSubstr("[Error Occurred - 10004]\nThe test could not run due to a lock on the "
                          "diagnostics file."));
    EXPECT_EQ(Calls(), ""); // the collector never ran
    EXPECT_THAT(result.strOutput, HasSubstr("System Memory: FAIL (0 MB)\n" + kNotMeasured));
    EXPECT_EQ(result.nExitCode, 4);
}

TEST_F(DiagnosticsRunTest, ReadOnlyOldReportIsReplaced)
{
    PrepareWorkFolder();
    WriteTextFile(Report(), "old");
    chmod(Report().c_str(), 0444);
    UseReportWithDisks();
    EXPECT_THAT(Run().strOutput, HasSubstr("System Memory: PASS (16384 MB)\n"));
}

TEST_F(DiagnosticsRunTest, PlantedLinkAtTheReportIsRemovedNotFollowed)
{
    PrepareWorkFolder();
    WriteTextFile(m_tools.File("secret"), "secret");
    fs::create_symlink(m_tools.File("secret"), Report());
    UseReportWithDisks();
    const SProgramResult result = Run();
    EXPECT_THAT(result.strOutput, HasSubstr("System Memory: PASS (16384 MB)\n"));
    EXPECT_EQ(ReadTextFile(m_tools.File("secret")), "secret");
}

TEST_F(DiagnosticsRunTest, LinkedWorkFolderIsRefused)
{
    fs::create_directory(m_temp.Path().string() + "/sm3");
    chmod((m_temp.Path().string() + "/sm3").c_str(), 0700);
    fs::create_directory_symlink(m_tools.Path(), WorkFolder());
    UseReportWithDisks();
    const SProgramResult result = Run();
    EXPECT_THAT(result.strOutput, HasSubstr(kWorkFolderRefused + WorkFolder() + " could not"));
    EXPECT_EQ(Calls(), "");
    EXPECT_FALSE(fs::exists(m_tools.File("qdxd.xml")));
}

TEST_F(DiagnosticsRunTest, SharedWorkFolderIsRefused)
{
    PrepareWorkFolder();
    chmod(WorkFolder().c_str(), 0777);
    const SProgramResult result = Run();
    EXPECT_THAT(result.strOutput, HasSubstr(kWorkFolderRefused));
    EXPECT_EQ(Calls(), "");
}

TEST_F(DiagnosticsRunTest, ForeignWorkFolderIsRefused)
{
    if (geteuid() != 0)
    {
        GTEST_SKIP() << "giving a folder to another user needs root";
    }
    PrepareWorkFolder();
    ASSERT_EQ(chown((m_temp.Path().string() + "/sm3").c_str(), 65534, 65534), 0);
    const SProgramResult result = Run();
    EXPECT_THAT(result.strOutput, HasSubstr(kWorkFolderRefused));
    EXPECT_EQ(Calls(), "");
}
} // namespace
