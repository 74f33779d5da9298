#include "ui/cli/CliOptions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace
{
SCliParse Parse(std::vector<std::wstring> aArguments, bool bPosixPaths = true)
{
    return ParseCliOptions(aArguments, bPosixPaths);
}
} // namespace

TEST(CliOptions, LiveRunOptions)
{
    const SCliParse parse =
        Parse({L"--consent=yes", L"--json", L"--csv", L"out.csv", L"/tmp/q.log", L"more"});
    ASSERT_EQ(parse.strError, "");
    EXPECT_EQ(parse.options.consentAnswer, true);
    EXPECT_TRUE(parse.options.bJson);
    EXPECT_EQ(parse.options.strCsvPath, L"out.csv");
    EXPECT_EQ(parse.options.strLogPath, L"/tmp/q.log");
    EXPECT_TRUE(parse.options.aReportPaths.empty());

    const SCliParse none = Parse({});
    ASSERT_EQ(none.strError, "");
    EXPECT_FALSE(none.options.consentAnswer);
    EXPECT_FALSE(none.options.bJson);
    EXPECT_FALSE(none.options.strCsvPath);
    EXPECT_EQ(none.options.strLogPath, L"");
    EXPECT_EQ(Parse({L"--consent=no"}).options.consentAnswer, false);
    EXPECT_EQ(Parse({L"--csv=a b.csv"}).options.strCsvPath, L"a b.csv");
}

TEST(CliOptions, TheLogPathIsTheFirstPlainArgumentNotAnOptionValue)
{
    EXPECT_EQ(Parse({L"--csv", L"out.csv", L"q.log"}).options.strLogPath, L"q.log");
    EXPECT_EQ(Parse({L"--csv", L"out.csv"}).options.strLogPath, L"");
    EXPECT_EQ(Parse({L"q.log", L"--json"}).options.strLogPath, L"q.log");
    EXPECT_EQ(Parse({L"My Logs/q.log", L"second.log"}).options.strLogPath, L"My Logs/q.log");
    // Where "\" separates folders, "/x" is a switch whatever follows.
    EXPECT_EQ(Parse({L"C:\\temp\\q.log"}, false).options.strLogPath, L"C:\\temp\\q.log");
}

TEST(CliOptions, ReportOptions)
{
    const SCliParse parse =
        Parse({L"--report", L"a.xml", L"b.xml", L"c d.xml", L"--system-drive", L"D:", L"--json"});
    ASSERT_EQ(parse.strError, "");
    EXPECT_THAT(parse.options.aReportPaths, ElementsAre(L"a.xml", L"b.xml", L"c d.xml"));
    EXPECT_EQ(parse.options.strDriveRoot, L"D:");
    EXPECT_TRUE(parse.options.bJson);
    EXPECT_EQ(parse.options.strLogPath, L"");
    EXPECT_THAT(Parse({L"--csv", L"x.csv", L"--report", L"/srv/r.xml"}).options.aReportPaths,
                ElementsAre(L"/srv/r.xml"));
}

TEST(CliOptions, InformationFlags)
{
    EXPECT_TRUE(Parse({L"--help"}).options.bHelp);
    EXPECT_TRUE(Parse({L"-h"}).options.bHelp);
    EXPECT_TRUE(Parse({L"--version"}).options.bVersion);
    EXPECT_TRUE(Parse({L"--explain"}).options.bExplain);
}

TEST(CliOptions, SlashSwitchesWhereBackslashSeparatesFolders)
{
    const SCliParse parse = Parse({L"/consent=yes", L"/json", L"/csv", L"a.csv", L"q.log"}, false);
    ASSERT_EQ(parse.strError, "");
    EXPECT_EQ(parse.options.consentAnswer, true);
    EXPECT_TRUE(parse.options.bJson);
    EXPECT_EQ(parse.options.strCsvPath, L"a.csv");
    EXPECT_EQ(parse.options.strLogPath, L"q.log");
    EXPECT_TRUE(Parse({L"/?"}, false).options.bHelp);
    EXPECT_TRUE(Parse({L"/help"}, false).options.bHelp);
    EXPECT_THAT(Parse({L"/bogus"}, false).strError, HasSubstr("--bogus"));
    // Where "/" separates folders it stays a path.
    EXPECT_EQ(Parse({L"/tmp/q.log"}).options.strLogPath, L"/tmp/q.log");
}

TEST(CliOptions, BadCommandLinesAreErrors)
{
    struct SCase
    {
        std::vector<std::wstring> aArguments;
        const char* pszError;
    };
    const SCase aCases[] = {
        {{L"--bogus"}, "--bogus"},
        {{L"-x"}, "-x"},
        {{L"/x", L"q.log"}, "unknown option '/x'"},
        {{L"-log.txt"}, "-log.txt"},
        {{L"--consent=maybe"}, "--consent"},
        {{L"--consent="}, "--consent"},
        {{L"--consent", L"yes"}, "--consent takes its answer after '='"},
        {{L"--consent"}, "--consent"},
        {{L"--csv"}, "--csv"},
        {{L"--report"}, "--report"},
        {{L"--system-drive", L"C:"}, "--system-drive"},
        {{L"--report", L"a.xml", L"--consent=yes"}, "--consent"},
        {{L"q.log", L"--report", L"a.xml"}, "a LOGFILE belongs to a live run"},
    };
    for (const SCase& testCase : aCases)
    {
        const SCliParse parse = Parse(testCase.aArguments);
        EXPECT_THAT(parse.strError, HasSubstr(testCase.pszError))
            << ::testing::PrintToString(testCase.aArguments);
    }
}

TEST(CliOptions, UsageNamesEveryOptionAndTheExitCodes)
{
    const std::string strUsage = GetCliUsage();
    for (const char* pszOption :
         {"--consent=yes|no", "--json", "--csv FILE", "--report FILE...", "--system-drive DRIVE",
          "--explain", "--help", "--version", "LOGFILE", "64 bad usage"})
    {
        EXPECT_THAT(strUsage, HasSubstr(pszOption));
    }
}
