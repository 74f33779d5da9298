#include "ui/UsageText.h"

#include "support/SampleManual.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using ::testing::HasSubstr;
using ::testing::Not;

namespace
{
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
    EXPECT_EQ(FormatUsage(MakeSampleManual(), 40), "Usage: tool [--flag] [--out FILE]\n"
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
    const std::string strUsage = FormatUsage(MakeSampleManual());
    EXPECT_THAT(strUsage, Not(HasSubstr("It stays on.")));
    EXPECT_THAT(strUsage, Not(HasSubstr("Second paragraph.")));
    EXPECT_THAT(strUsage, Not(HasSubstr("TOOL_PATH")));
}

} // namespace
