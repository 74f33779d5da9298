#include "support/TextSplit.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
struct SSplitCase
{
    const char* pszName;
    std::wstring strList;
    std::vector<std::wstring> aExpected;
};

class SplitFieldsTest : public ::testing::TestWithParam<SSplitCase>
{
};

TEST_P(SplitFieldsTest, ReadsItemsLikeGetlineOnComma)
{
    const SSplitCase& testCase = GetParam();
    const std::vector<std::wstring_view> aItems = SplitFields(testCase.strList, L',');
    const std::vector<std::wstring> aActual(aItems.begin(), aItems.end());
    EXPECT_EQ(aActual, testCase.aExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitFieldsTest,
    ::testing::Values(SSplitCase{"EmptyListHasNoItem", L"", {}},
                      SSplitCase{"OneItem", L"4474419", {L"4474419"}},
                      SSplitCase{"BlanksStayInItems", L"a, b ,c", {L"a", L" b ", L"c"}},
                      SSplitCase{"TrailingCommaAddsNothing", L"a,b,", {L"a", L"b"}},
                      SSplitCase{"TwoFields", L"a,b", {L"a", L"b"}},
                      SSplitCase{"TwoLoneCommasAreTwoEmptyFields", L",,", {L"", L""}},
                      SSplitCase{"TwoCommasMakeAnEmptyItem", L"a,,b", {L"a", L"", L"b"}},
                      SSplitCase{"LoneCommaIsOneEmptyItem", L",", {L""}},
                      SSplitCase{"LeadingCommaIsAnEmptyItem", L",a", {L"", L"a"}},
                      SSplitCase{"TwoTrailingCommasAddOneEmptyItem", L"a,,", {L"a", L""}},
                      SSplitCase{"BlankAfterLastCommaIsAnItem", L"a, ", {L"a", L" "}}),
    [](const ::testing::TestParamInfo<SSplitCase>& info) { return info.param.pszName; });

TEST(SplitLines, DropsLineBreaksAndAddsNoLineAfterTheLast)
{
    const std::vector<std::string_view> aExpected = {"a", "", "b"};
    EXPECT_EQ(SplitLines("a\n\nb\n"), aExpected);
    EXPECT_TRUE(SplitLines("").empty());
}
} // namespace

TEST(SplitWords, TakesTheRunsBetweenBlanks)
{
    const std::vector<std::pair<std::string_view, std::vector<std::string_view>>> aCases = {
        {"one two", {"one", "two"}},
        {"  spaced   out  ", {"spaced", "out"}},
        {"--csv FILE", {"--csv", "FILE"}},
        {"", {}},
        {"   ", {}},
        {"tab\tstays", {"tab\tstays"}},
    };
    for (const auto& [strText, aWords] : aCases)
    {
        EXPECT_EQ(SplitWords(strText), aWords) << strText;
    }
}
