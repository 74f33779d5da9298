// rigvet-cli.exe as a whole program under Wine: with Wine's own dxdiag.exe on Windows 10 and on
// Windows 7 SP1, with every fixture report through the test collector (the verdicts must be the
// Linux build's, line for line), and with Windows command-line rules.
#include "support/ReportCases.h"
#include "wine/WineProgram.h"

#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <utility>

using ::testing::HasSubstr;
using ::testing::Not;

namespace
{
const std::string kReports = std::string(RIGVET_SOURCE_DIR) + "/tests/fixtures/reports";

std::string FakeCollectorExe()
{
    return ToWinePath(GetWindowsBuildDir() + "/bin/rigvet_fake_collector.exe");
}

// Installed memory as Wine reports it to its dxdiag.exe: the machine's total, in megabytes.
unsigned long long ReadTotalMemoryMB()
{
    std::ifstream meminfo("/proc/meminfo");
    std::string strName;
    unsigned long long nKiB = 0;
    meminfo >> strName >> nKiB;
    return nKiB / 1024;
}

class WineCli : public ::testing::Test
{
protected:
    static SProgramResult RunCli(const std::vector<std::string>& aArguments,
                                 SProgramOptions options = {})
    {
        return RunWindowsProgram("rigvet-cli.exe", aArguments, std::move(options));
    }

    static SProgramOptions WithFixture(const std::string& strFixture)
    {
        SProgramOptions options;
        options.environment["RIGVET_DXDIAG"] = FakeCollectorExe();
        options.environment["RIGVET_FAKE_REPORT"] = ToWinePath(kReports + "/" + strFixture);
        options.environment["RIGVET_DRIVE_ROOT"] = "C:\\";
        return options;
    }

    CTestFolder m_folder;
};

TEST_F(WineCli, Windows10WithWinesOwnDxdiag)
{
    SetWineWindowsVersion("win10");
    WriteTextFile(m_folder.File("run.log"), "old content");
    const SProgramResult result = RunCli({"--consent=no", ToWinePath(m_folder.File("run.log"))});
    EXPECT_EQ(result.nExitCode, 1) << result.strError; // at least one FAIL
    // Wine's report holds only SystemInformation: no display, sound or disk elements.
    const unsigned long long nMemoryMB = ReadTotalMemoryMB();
    const std::string strMemory = std::string(nMemoryMB >= 4095 ? "PASS" : "FAIL") + " (" +
                                  std::to_string(nMemoryMB) + " MB)";
    for (const std::string& strLine :
         {std::string("Display Device: FAIL (feature level 0.0)\n"),
          std::string("Sound Device: FAIL (no sound device)\n"),
          std::string("Windows Updates: PASS (not needed on Windows 8 or later)\n"),
          "System Memory: " + strMemory + "\n", std::string("Free Disk Space: FAIL (0 MB free)\n"),
          std::string("Accurate System Time: UNK (not compared)\n")})
    {
        EXPECT_THAT(result.strOutput, HasSubstr(strLine));
    }
    EXPECT_THAT(result.strOutput, Not(HasSubstr("[Error Occurred")));
    EXPECT_EQ(ReadTextFile(m_folder.File("run.log")), ""); // Windows 10 logs nothing
}

TEST_F(WineCli, Windows7StopsAtTheUpdateAgentsFailingStep)
{
    SetWineWindowsVersion("win7");
    WriteTextFile(m_folder.File("run.log"), "old content");
    const SProgramResult result = RunCli({"--consent=yes", ToWinePath(m_folder.File("run.log"))});
    SetWineWindowsVersion("win10");
    EXPECT_EQ(result.nExitCode, 4) << result.strError; // ended on an error box
    // Wine's agent refuses the server selection: step 11002 ends the run before the clock.
    EXPECT_THAT(result.strOutput,
                HasSubstr("[Error Occurred - 11002]\nThe Windows Update Agent Knowledge Base "
                          "search has failed. The testing has been aborted.\n"));
    EXPECT_THAT(result.strOutput, HasSubstr("Display Device: PASS (no feature level listed)\n"));
    EXPECT_THAT(result.strOutput, HasSubstr("Windows Updates: FAIL"));
    EXPECT_THAT(result.strOutput, HasSubstr("Accurate System Time: UNK"));
    EXPECT_EQ(ReadTextFile(m_folder.File("run.log")), ""); // the search never returned
}

// A live run's texts are worded for the system it runs on; the rest must agree letter for letter.
std::string WordForWindows(std::string strOutput)
{
    const std::pair<std::string, std::string> aWords[] = {
        {"not needed on Linux", "not needed on Windows 8 or later"},
        {"experiments need a display adapter", "Windows 8 or later needs a display adapter"}};
    for (const auto& [strLinux, strWindows] : aWords)
    {
        for (std::size_t nAt = strOutput.find(strLinux); nAt != std::string::npos;
             nAt = strOutput.find(strLinux, nAt + strWindows.size()))
        {
            strOutput.replace(nAt, strLinux.size(), strWindows);
        }
    }
    return strOutput;
}

TEST_F(WineCli, EveryFixtureReportGivesTheLinuxBuildsVerdicts)
{
    SetWineWindowsVersion("win10");
    int nCompared = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kReports))
    {
        const std::string strFixture = entry.path().filename().string();
        SCOPED_TRACE(strFixture);
        const SProgramResult windows = RunCli({"--consent=no"}, WithFixture(strFixture));

        SProgramOptions linux;
        linux.environment["RIGVET_DXDIAG"] = RIGVET_FAKE_COLLECTOR_PATH;
        linux.environment["RIGVET_FAKE_REPORT"] = entry.path().string();
        linux.environment["RIGVET_DRIVE_ROOT"] = "C:\\";
        linux.environment["TMPDIR"] = m_folder.Path().string();
        for (const char* pszName : {"XDG_RUNTIME_DIR", "RIGVET_OS_VERSION", "SSH_CONNECTION",
                                    "SSH_CLIENT", "SSH_TTY", "XRDP_SESSION"})
        {
            linux.environment[pszName] = std::nullopt;
        }
        const SProgramResult expected = RunProgram(RIGVET_CLI_PATH, {"--consent=no"}, linux);

        EXPECT_EQ(windows.nExitCode, expected.nExitCode) << windows.strError;
        EXPECT_EQ(windows.strOutput, WordForWindows(expected.strOutput));
        ++nCompared;
    }
    EXPECT_GE(nCompared, 13);
}

namespace
{
// The parser's error line: Wine's MSXML gives none, so that line is left out of the comparison.
std::string WithoutParseErrorLines(const std::string& strText)
{
    std::istringstream lines(strText);
    std::string strLine;
    std::string strKept;
    while (std::getline(lines, strLine))
    {
        if (strLine.rfind("not well-formed XML", 0) != 0)
        {
            strKept += strLine + "\n";
        }
    }
    return strKept;
}
} // namespace

TEST_F(WineCli, HostileReportsAreJudgedAsTheLinuxBuildJudgesThem)
{
    const std::string strHostile = std::string(RIGVET_SOURCE_DIR) + "/tests/fixtures/hostile";
    std::vector<std::string> aArguments{"--report"};
    for (const SHostileReportCase& c : GetHostileReportCases())
    {
        if (!c.bWineDiffers)
        {
            aArguments.push_back(c.pszFixture);
        }
    }
    SProgramOptions options;
    options.strWorkingDirectory = strHostile;
    const SProgramResult windows = RunCli(aArguments, options);
    const SProgramResult expected = RunProgram(RIGVET_CLI_PATH, aArguments, options);
    EXPECT_EQ(windows.nExitCode, expected.nExitCode) << windows.strError;
    EXPECT_EQ(WithoutParseErrorLines(windows.strOutput),
              WithoutParseErrorLines(expected.strOutput));
    EXPECT_THAT(expected.strOutput, HasSubstr("Report: ws-blanks-card.xml\n"));
}

TEST_F(WineCli, SavedReportsAreJudgedAsTheLinuxBuildJudgesThem)
{
    // MSXML reads the UTF-16 reports that the Windows tool writes, as pugixml does on Linux.
    const std::string strSaved = std::string(RIGVET_SOURCE_DIR) + "/tests/fixtures/saved-reports";
    std::vector<std::string> aArguments{"--report"};
    for (const auto& entry : std::filesystem::directory_iterator(strSaved))
    {
        // Reports of the Linux collector name Linux disks: each build judges the disk its own
        // live run would, so their free space differs by design.
        if (entry.path().filename().string().rfind("linux-", 0) != 0)
        {
            aArguments.push_back(entry.path().filename().string());
        }
    }
    ASSERT_GE(aArguments.size(), 6u);
    SProgramOptions options;
    options.strWorkingDirectory = strSaved;
    const SProgramResult windows = RunCli(aArguments, options);
    const SProgramResult expected = RunProgram(RIGVET_CLI_PATH, aArguments, options);
    EXPECT_EQ(windows.nExitCode, expected.nExitCode) << windows.strError;
    EXPECT_EQ(windows.strOutput, expected.strOutput);
    EXPECT_THAT(windows.strOutput, HasSubstr("Report: windows7-utf16.xml\n"));
}

TEST_F(WineCli, AFailingCollectorIsReportedWithItsCode)
{
    SetWineWindowsVersion("win10");
    SProgramOptions options = WithFixture("typical.xml");
    options.environment["RIGVET_FAKE_EXIT"] = "-1";
    const SProgramResult result = RunCli({"--consent=no"}, options);
    EXPECT_EQ(result.nExitCode, 4);
    EXPECT_THAT(result.strOutput, HasSubstr("[Error Occurred - 10005]\nThe execution of "
                                            "dxdiag.exe has failed. Ret = -1\n"));
    EXPECT_THAT(result.strOutput, HasSubstr("System Memory: FAIL (0 MB)"));
}

TEST_F(WineCli, SlashSwitchesAndAQuotedLogPathWithBlanks)
{
    SetWineWindowsVersion("win10");
    const std::string strLog = m_folder.File("log file with blanks.txt");
    WriteTextFile(strLog, "old content");
    // wine hands each argument on quoted where it holds a blank; CommandLineToArgvW splits it back.
    const SProgramResult result =
        RunCli({"/consent=no", ToWinePath(strLog), "ignored.txt"}, WithFixture("typical.xml"));
    EXPECT_EQ(result.nExitCode, 2) << result.strError;
    EXPECT_THAT(result.strOutput, HasSubstr("Answer: No (from --consent)"));
    EXPECT_THAT(result.strOutput, HasSubstr("System Memory: PASS (16384 MB)"));
    EXPECT_EQ(ReadTextFile(strLog), "");
}

TEST_F(WineCli, UsageAndBadSwitchesGiveTheLinuxExitCodes)
{
    const SProgramResult help = RunCli({"/?"});
    EXPECT_EQ(help.nExitCode, 0);
    EXPECT_THAT(help.strOutput, HasSubstr("Usage: rigvet-cli"));
    const SProgramResult bad = RunCli({"/consent=maybe"});
    EXPECT_EQ(bad.nExitCode, 64);
    EXPECT_THAT(bad.strError, HasSubstr("--consent: maybe not in {yes,no}"));
    const SProgramResult unknown = RunCli({"/unknown", "q.log"});
    EXPECT_EQ(unknown.nExitCode, 64);
    EXPECT_THAT(unknown.strError, HasSubstr("--unknown"));
    SProgramOptions options;
    options.environment["RIGVET_TIME_URL"] = "http://localhost/";
    const SProgramResult badUrl = RunCli({"--consent=yes"}, options);
    EXPECT_EQ(badUrl.nExitCode, 64);
    EXPECT_THAT(badUrl.strError, HasSubstr("RIGVET_TIME_URL must be https://host[:port]/"));
}
} // namespace
