#include "ui/UsageText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using ::testing::HasSubstr;
using ::testing::Not;

namespace
{
// A small manual with a long option term, a detail, a variable and a file.
SProgramManual MakeManual()
{
    SProgramManual manual;
    manual.strName = "tool";
    manual.strSummary = "do a thing";
    manual.aSynopsis = {"[--flag] [--out FILE]", "--version"};
    manual.aDescription = {"Does the thing and prints what it found.", "Second paragraph."};
    manual.aOptions = {
        {"--flag", "turn it on", "It stays on."},
        {"--out FILE", "write to FILE", ""},
        {"--a-rather-long-option=VALUE", "set the value", ""},
    };
    manual.aExitCodes = {{0, "fine"}, {64, "bad usage"}};
    manual.aEnvironment = {{"TOOL_PATH=DIR", "where to look", ""}};
    manual.aFiles = {{"/etc/tool.conf", "read at start", ""}};
    manual.aExamples = {{"tool --flag", "Turn it on:"}};
    manual.aNotes = {{"SECURITY", {"Runs as the user."}}};
    manual.aSeeAlso = {"other(1)", "more(5)"};
    return manual;
}

TEST(WrapText, BreaksBetweenWordsWithinTheWidth)
{
    struct SCase
    {
        const char* pszText;
        std::size_t nWidth;
        std::size_t nIndent;
        const char* pszWrapped;
    };
    const std::vector<SCase> aCases = {
        {"one two three", 80, 0, "one two three"},
        {"one two three", 7, 0, "one two\nthree"},
        {"one two three", 12, 4, "one two\n    three"},
        {"averyveryverylongword short", 10, 0, "averyveryverylongword\nshort"},
        {"  spaced   out  ", 80, 0, "spaced out"},
        {"", 80, 2, ""},
    };
    for (const SCase& testCase : aCases)
    {
        EXPECT_EQ(WrapText(testCase.pszText, testCase.nWidth, testCase.nIndent),
                  testCase.pszWrapped)
            << testCase.pszText << " at " << testCase.nWidth;
    }
}

TEST(FormatUsage, LinesUpTheOptionsAndListsTheExitCodes)
{
    EXPECT_EQ(FormatUsage(MakeManual(), 40), "Usage: tool [--flag] [--out FILE]\n"
                                             "       tool --version\n"
                                             "Does the thing and prints what it found.\n"
                                             "  --flag      turn it on\n"
                                             "  --out FILE  write to FILE\n"
                                             "  --a-rather-long-option=VALUE\n"
                                             "              set the value\n"
                                             "Exit codes: 0 fine, 64 bad usage.\n"
                                             "The overrides, files and examples are in\n"
                                             "the manual page tool(1) and the README.\n");
}

TEST(FormatUsage, LeavesTheManualsDetailsOut)
{
    const std::string strUsage = FormatUsage(MakeManual());
    EXPECT_THAT(strUsage, Not(HasSubstr("It stays on.")));
    EXPECT_THAT(strUsage, Not(HasSubstr("Second paragraph.")));
    EXPECT_THAT(strUsage, Not(HasSubstr("TOOL_PATH")));
}

} // namespace
