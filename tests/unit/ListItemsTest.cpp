#include "updates/ListItems.h"

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

class SplitListItemsTest : public ::testing::TestWithParam<SSplitCase>
{
};

TEST_P(SplitListItemsTest, ReadsItemsLikeGetlineOnComma)
{
    const SSplitCase& testCase = GetParam();
    const std::vector<std::wstring_view> aItems = SplitListItems(testCase.strList);
    const std::vector<std::wstring> aActual(aItems.begin(), aItems.end());
    EXPECT_EQ(aActual, testCase.aExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitListItemsTest,
    ::testing::Values(SSplitCase{"EmptyListHasNoItem", L"", {}},
                      SSplitCase{"OneItem", L"4474419", {L"4474419"}},
                      SSplitCase{"BlanksStayInItems", L"a, b ,c", {L"a", L" b ", L"c"}},
                      SSplitCase{"TrailingCommaAddsNothing", L"a,b,", {L"a", L"b"}},
                      SSplitCase{"TwoCommasMakeAnEmptyItem", L"a,,b", {L"a", L"", L"b"}},
                      SSplitCase{"LoneCommaIsOneEmptyItem", L",", {L""}},
                      SSplitCase{"LeadingCommaIsAnEmptyItem", L",a", {L"", L"a"}},
                      SSplitCase{"TwoTrailingCommasAddOneEmptyItem", L"a,,", {L"a", L""}},
                      SSplitCase{"BlankAfterLastCommaIsAnItem", L"a, ", {L"a", L" "}}),
    [](const ::testing::TestParamInfo<SSplitCase>& info) { return info.param.pszName; });

struct STrimCase
{
    const char* pszName;
    std::wstring strItem;
    std::wstring strExpected;
};

class TrimListItemTest : public ::testing::TestWithParam<STrimCase>
{
};

TEST_P(TrimListItemTest, RemovesTheTrimSetAtBothEnds)
{
    EXPECT_EQ(std::wstring(TrimListItem(GetParam().strItem)), GetParam().strExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrimListItemTest,
    ::testing::Values(STrimCase{"Nothing", L"4474419", L"4474419"},
                      STrimCase{"Blanks", L"  4474419 ", L"4474419"},
                      STrimCase{"EveryTrimCharacter", L"\t\n\v\f\r 1\t\n\v\f\r ", L"1"},
                      STrimCase{"InnerBlankStays", L" 44 74 ", L"44 74"},
                      STrimCase{"OnlyWhiteSpace", L" \t\r\n", L""}, STrimCase{"Empty", L"", L""},
                      STrimCase{"NoBreakSpaceIsNotTrimmed", L"\u00A01", L"\u00A01"}),
    [](const ::testing::TestParamInfo<STrimCase>& info) { return info.param.pszName; });
} // namespace
