// rigvet-cli's console and files under conditions a user or a script brings: closed streams, a
// reader that goes away, a FIFO, a full disk, odd names and reports that cannot be read.
#include "program/CliSession.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

namespace
{
const std::string kSaved = std::string(RIGVET_FIXTURES_DIR) + "/saved-reports/";
const std::string kReport = kSaved + "windows10-utf8.xml";

std::size_t CountLines(const std::string& strText)
{
    return static_cast<std::size_t>(std::count(strText.begin(), strText.end(), '\n'));
}

class CliConsoleFault : public ::testing::Test
{
protected:
    CliConsoleFault() : m_options(IsolatedCliSession(m_temp, ""))
    {
        m_options.environment["RIGVET_CLI"] = RIGVET_CLI_PATH;
    }

    // A shell line with rigvet-cli as "$RIGVET_CLI".
    SProgramResult Shell(const std::string& strScript)
    {
        return RunProgram("/bin/bash", {"-c", strScript}, m_options);
    }

    std::string Csv() const { return m_files.File("fleet.csv"); }

    CTestFolder m_temp;
    CTestFolder m_files;
    SProgramOptions m_options;
};
} // namespace

TEST_F(CliConsoleFault, ControlCharactersOfAReportAreWrittenOut)
{
    std::string strXml = ReadTextFile(kReport);
    const std::string strName = "<OperatingSystem>";
    // XML allows DEL and the C1 controls (CSI here) as they are, and a line break inside a text.
    strXml.insert(strXml.find(strName) + strName.size(), "\xC2\x9B"
                                                         "2J\x7F\nFree Disk: PASS ");
    WriteTextFile(m_files.File("odd.xml"), strXml);
    const SProgramResult result =
        RunProgram(RIGVET_CLI_PATH, {"--report", m_files.File("odd.xml")});
    EXPECT_THAT(result.strOutput,
                HasSubstr("Operating system: \\u009B2J\\x7F\\x0AFree Disk: PASS Windows"));
    EXPECT_THAT(result.strOutput, Not(HasSubstr("\xC2\x9B")));
}

TEST_F(CliConsoleFault, ClosedStandardStreamsAreTakenByNoFile)
{
    const SProgramResult result =
        Shell("exec \"$RIGVET_CLI\" --report '" + kReport + "' --csv '" + Csv() + "' <&- >&- 2>&-");
    EXPECT_EQ(result.nExitCode, 2);
    EXPECT_EQ(CountLines(ReadTextFile(Csv())), 2u);
    EXPECT_THAT(ReadTextFile(Csv()), Not(HasSubstr("Report:")));
}

TEST_F(CliConsoleFault, ACsvFifoWithoutAReaderFailsAtOnce)
{
    ASSERT_EQ(mkfifo(Csv().c_str(), 0600), 0);
    const SProgramResult result =
        RunProgram(RIGVET_CLI_PATH, {"--report", kReport, "--csv", Csv()});
    EXPECT_EQ(result.nExitCode, 74);
    EXPECT_THAT(result.strError, HasSubstr("could not be written"));
}

// More text than a pipe holds, to a reader that stops after one byte.
TEST_F(CliConsoleFault, AReaderThatLeavesEarlyCostsNoCsvRow)
{
    std::string strReports;
    for (int i = 0; i < 200; ++i)
    {
        strReports += " '" + kReport + "'";
    }
    const SProgramResult result = Shell("\"$RIGVET_CLI\" --csv '" + Csv() + "' --report" +
                                        strReports + " | head -c 1 >/dev/null");
    EXPECT_EQ(result.nExitCode, 0) << result.strError;
    EXPECT_EQ(CountLines(ReadTextFile(Csv())), 201u);
}

TEST_F(CliConsoleFault, CsvCellsAreValidUtf8)
{
    const std::string strOdd = m_files.File("lab\xff.xml");
    fs::copy_file(kReport, strOdd);
    RunProgram(RIGVET_CLI_PATH, {"--report", strOdd, "--csv", Csv()});
    EXPECT_THAT(ReadTextFile(Csv()), HasSubstr("lab\xEF\xBF\xBD.xml"));
}

// The file may grow by less than a row (ulimit -f stands for a full disk): it keeps whole rows.
TEST_F(CliConsoleFault, ARowThatDoesNotFitIsNotLeftHalfWritten)
{
    const std::vector<std::string> aArguments{"--report", kReport, "--csv", Csv()};
    RunProgram(RIGVET_CLI_PATH, aArguments);
    const std::uintmax_t nFirst = fs::file_size(Csv());
    RunProgram(RIGVET_CLI_PATH, aArguments);
    const std::uintmax_t nRow = fs::file_size(Csv()) - nFirst;
    while (fs::file_size(Csv()) + nRow <= 1024)
    {
        RunProgram(RIGVET_CLI_PATH, aArguments);
    }
    const std::string strBefore = ReadTextFile(Csv());
    ASSERT_LT(strBefore.size(), 1024u);
    const SProgramResult result = Shell("trap '' XFSZ; ulimit -f 1; \"$RIGVET_CLI\" --report '" +
                                        kReport + "' --csv '" + Csv() + "'");
    EXPECT_EQ(result.nExitCode, 74) << result.strError;
    EXPECT_EQ(ReadTextFile(Csv()), strBefore);
}

TEST_F(CliConsoleFault, AReportIsJudgedThroughALinkAndAnUnreadableOneSaysWhy)
{
    fs::create_symlink(kReport, m_files.File("link.xml"));
    const std::string strTruncated = std::string(RIGVET_FIXTURES_DIR) + "/reports/truncated.xml";
    const SProgramResult result =
        RunProgram(RIGVET_CLI_PATH, {"--json", "--report", m_files.File("link.xml"),
                                     m_files.File("missing.xml"), strTruncated});
    const nlohmann::json array = nlohmann::json::parse(result.strOutput);
    ASSERT_EQ(array.size(), 3u);
    EXPECT_EQ(array[0]["outcome"], "finished");
    EXPECT_EQ(array[1]["error"]["detail"], "No such file or directory");
    EXPECT_THAT(array[2]["error"]["detail"].get<std::string>(),
                HasSubstr("not well-formed XML at line "));
    const SProgramResult text =
        RunProgram(RIGVET_CLI_PATH, {"--report", m_files.File("missing.xml")});
    EXPECT_THAT(text.strOutput,
                HasSubstr("Could not load the dxdiag XML file\nNo such file or directory\n"));
}

TEST_F(CliConsoleFault, SystemDriveTakesTheFormsUsersWrite)
{
    for (const char* pszDrive : {"c:", "C:\\", "c:/"})
    {
        const SProgramResult result = RunProgram(
            RIGVET_CLI_PATH, {"--json", "--system-drive", pszDrive, "--report", kReport});
        EXPECT_EQ(nlohmann::json::parse(result.strOutput)[0]["source"]["driveRoot"], "C:\\")
            << pszDrive;
    }
    EXPECT_EQ(RunProgram(RIGVET_CLI_PATH, {"--system-drive=", "--report", kReport}).nExitCode, 64);
}
