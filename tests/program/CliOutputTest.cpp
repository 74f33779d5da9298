// rigvet-cli's live run as scripts see it: exit codes, JSON on standard output, CSV rows.
#include "program/CliSession.h"
#include "support/CsvFields.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using nlohmann::json;
using ::testing::HasSubstr;
using ::testing::Not;

namespace
{
const std::string kReports = std::string(RIGVET_FIXTURES_DIR) + "/reports/";
const std::string kSaved = std::string(RIGVET_FIXTURES_DIR) + "/saved-reports/";

class CliOutput : public ::testing::Test
{
protected:
    SProgramResult Run(const std::string& strReport, std::vector<std::string> aArguments)
    {
        SProgramOptions options = IsolatedCliSession(m_temp, strReport);
        for (const auto& [strName, value] : m_extra)
        {
            options.environment[strName] = value;
        }
        return RunProgram(RIGVET_CLI_PATH, aArguments, options);
    }

    std::string Csv() const { return m_files.File("results.csv"); }

    CTestFolder m_temp;
    CTestFolder m_files;
    std::map<std::string, std::optional<std::string>> m_extra;
};

std::vector<std::string> Lines(const std::string& strText)
{
    const std::optional<std::vector<std::string>> aLines = SplitCrlfLines(strText);
    EXPECT_TRUE(aLines) << "a last line without CRLF";
    return aLines.value_or(std::vector<std::string>());
}
} // namespace

TEST_F(CliOutput, ExitCodeOfEachOutcome)
{
    struct SCase
    {
        const char* pszName;
        std::string strReport;
        std::map<std::string, std::optional<std::string>> environment;
        int nExitCode;
    };
    const SCase aCases[] = {
        // 0 (every requirement passes) needs the clock: see rigvet_network_tests CliClock.
        {"a FAIL", kReports + "no-display.xml", {}, 1},
        {"no FAIL, the clock UNK", kSaved + "windows10-utf8.xml", {}, 2},
        {"remote session", kSaved + "windows10-utf8.xml", {{"SSH_CONNECTION", "1 2 3 4"}}, 3},
        {"old system", kSaved + "windows10-utf8.xml", {{"RIGVET_OS_VERSION", "6.1.0"}}, 3},
        {"collector failed", kSaved + "windows10-utf8.xml", {{"RIGVET_FAKE_EXIT", "255"}}, 4},
        {"unreadable report", kReports + "truncated.xml", {}, 4},
        {"invalid override", kSaved + "windows10-utf8.xml", {{"RIGVET_OS_VERSION", "7"}}, 64},
    };
    for (const SCase& testCase : aCases)
    {
        SCOPED_TRACE(testCase.pszName);
        m_extra = testCase.environment;
        const SProgramResult result = Run(testCase.strReport, {"--consent=no"});
        EXPECT_EQ(result.nExitCode, testCase.nExitCode) << result.strOutput << result.strError;
    }
}

TEST_F(CliOutput, JsonIsTheOnlyThingOnStandardOutput)
{
    const SProgramResult result = Run(kSaved + "windows11-virtual-utf8.xml", {"--json"});
    EXPECT_EQ(result.nExitCode, 1) << result.strError;
    const json object = json::parse(result.strOutput);
    EXPECT_EQ(object["formatVersion"], 1);
    EXPECT_THAT(object["program"]["version"].get<std::string>(),
                ::testing::MatchesRegex("[0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+"));
    EXPECT_FALSE(object["machine"].get<std::string>().empty());
    EXPECT_THAT(object["time"].get<std::string>(),
                ::testing::MatchesRegex("20[0-9][0-9]-[01][0-9]-[0-3][0-9]T[0-2][0-9]:[0-5][0-9]:"
                                        "[0-6][0-9]Z"));
    EXPECT_EQ(object["source"]["kind"], "live");
    EXPECT_EQ(object["outcome"], "finished");
    EXPECT_EQ(object["exitCode"], 1);
    EXPECT_EQ(object["requirements"]["display"]["verdict"], "FAIL");
    EXPECT_EQ(object["requirements"]["memory"]["value"], 16384);
    EXPECT_EQ(object["requirements"]["freeDisk"]["value"], 86234);
    EXPECT_EQ(object["requirements"]["clock"]["reason"],
              "not compared: no consent to use the internet");
    ASSERT_EQ(object["warnings"].size(), 1u);
    EXPECT_EQ(object["warnings"][0]["id"], "virtualization");
    // Without a terminal the question is answered No, beside the JSON.
    EXPECT_THAT(result.strError, HasSubstr("[Internet Consent]"));
    EXPECT_THAT(result.strError, HasSubstr("Answer: No (no terminal to ask"));
    EXPECT_THAT(result.strError, HasSubstr("[Possible Virtualization Detected]"));
}

TEST_F(CliOutput, JsonOfARunThatEndedOnAnErrorOrDidNotRun)
{
    m_extra = {{"RIGVET_FAKE_EXIT", "255"}};
    const json failed = json::parse(Run(kSaved + "windows10-utf8.xml", {"--json"}).strOutput);
    EXPECT_EQ(failed["outcome"], "error");
    EXPECT_EQ(failed["exitCode"], 4);
    EXPECT_EQ(
        failed["error"],
        (json{{"code", 10005}, {"message", "The execution of dxdiag.exe has failed. Ret = -1"}}));
    EXPECT_EQ(failed["requirements"]["memory"]["value"], 0);
    EXPECT_EQ(failed["requirements"]["memory"]["reason"],
              "not measured: the test stopped before the diagnostics report was read");

    m_extra = {{"XRDP_SESSION", "1"}};
    const SProgramResult refused = Run(kSaved + "windows10-utf8.xml", {"--json"});
    EXPECT_EQ(refused.nExitCode, 3);
    const json object = json::parse(refused.strOutput);
    EXPECT_EQ(object["outcome"], "refused");
    EXPECT_EQ(object["stop"]["reason"], "remoteSession");
    EXPECT_TRUE(object["requirements"].is_null());
}

TEST_F(CliOutput, CsvGetsOneRowPerRunAndTheHeaderOnce)
{
    const SProgramResult first = Run(kSaved + "windows10-utf8.xml", {"--csv", Csv()});
    EXPECT_EQ(first.nExitCode, 2) << first.strError;
    EXPECT_THAT(first.strOutput, HasSubstr("System Memory: PASS (16384 MB)\n"));
    m_extra = {{"SSH_TTY", "/dev/pts/1"}};
    EXPECT_EQ(Run(kSaved + "windows10-utf8.xml", {"--csv=" + Csv(), "--json"}).nExitCode, 3);

    const std::vector<std::string> aLines = Lines(ReadTextFile(Csv()));
    ASSERT_EQ(aLines.size(), 3u);
    EXPECT_THAT(aLines[0], ::testing::StartsWith("time,machine,program_version,source,"));
    EXPECT_THAT(aLines[1], ::testing::ContainsRegex(
                               ",live,,,,,finished,2,PASS,12.1,PASS,yes,PASS,,PASS,16384,PASS,"
                               "86234,UNK,,no,,,Lab Systems,Workstation 5,.*\\(31.0.101.2111\\)$"));
    EXPECT_THAT(aLines[2],
                ::testing::ContainsRegex(",live,,,,,refused,3,,,,,,,,,,,,,,,\"A remote "));
}

TEST_F(CliOutput, CsvThatCannotBeWrittenStopsBeforeTheRun)
{
    const SProgramResult result =
        Run(kSaved + "windows10-utf8.xml", {"--csv", m_files.File("no/such/folder.csv")});
    EXPECT_EQ(result.nExitCode, 74);
    EXPECT_THAT(result.strError, HasSubstr("rigvet-cli: the CSV file "));
    EXPECT_THAT(result.strOutput, Not(HasSubstr("[Internet Consent]")));
}

TEST_F(CliOutput, HelpVersionExplainAndBadOptions)
{
    const SProgramResult help = Run("", {"--help"});
    EXPECT_EQ(help.nExitCode, 0);
    EXPECT_THAT(help.strOutput, ::testing::StartsWith("Usage: rigvet-cli"));
    EXPECT_THAT(help.strOutput, HasSubstr("Exit codes: 0 all passed"));

    const SProgramResult version = Run("", {"--version"});
    EXPECT_EQ(version.nExitCode, 0);
    EXPECT_THAT(version.strOutput,
                ::testing::MatchesRegex("rigvet-cli [0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+\n"));
    EXPECT_EQ(version.strOutput, std::string("rigvet-cli ") + RIGVET_PROJECT_VERSION + "\n");

    const SProgramResult explain = Run("", {"--explain"});
    EXPECT_EQ(explain.nExitCode, 0);
    EXPECT_THAT(explain.strOutput,
                HasSubstr("[Requirement - System Memory]\n4 GB of RAM or more is required.\n"));
    EXPECT_THAT(explain.strOutput, Not(HasSubstr("[Internet Consent]")));

    for (const std::vector<std::string>& aArguments : std::vector<std::vector<std::string>>{
             {"--frobnicate"}, {"--csv"}, {"--json=maybe"}, {"--system-drive", "C:"}, {"/x"}})
    {
        const SProgramResult bad = Run("", aArguments);
        EXPECT_EQ(bad.nExitCode, 64) << ::testing::PrintToString(aArguments);
        EXPECT_THAT(bad.strError, HasSubstr("Try 'rigvet-cli --help'"));
        EXPECT_EQ(bad.strOutput, "");
    }
}

TEST_F(CliOutput, NoColourAndNoProgressWhenNotATerminal)
{
    m_extra = {{"TERM", "xterm-256color"}};
    const SProgramResult result = Run(kReports + "no-display.xml", {"--consent=no"});
    EXPECT_THAT(result.strOutput, Not(HasSubstr("\x1b[")));
    EXPECT_THAT(result.strError, Not(HasSubstr("\r")));
    EXPECT_THAT(result.strOutput, HasSubstr("Display Device: FAIL (feature level 0.0)\n"));
}
