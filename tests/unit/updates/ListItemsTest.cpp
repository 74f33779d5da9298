#include "updates/ListItems.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

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
