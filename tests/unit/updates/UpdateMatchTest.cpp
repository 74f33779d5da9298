#include "updates/UpdateMatch.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
using CIds = std::vector<std::wstring>;

std::vector<SUpdateRecord> MakeUpdates(const std::vector<CIds>& aUpdateIds)
{
    std::vector<SUpdateRecord> aUpdates;
    for (const CIds& aIds : aUpdateIds)
    {
        aUpdates.push_back(SUpdateRecord{aIds});
    }
    return aUpdates;
}

constexpr const wchar_t* kRequired = L"4474419, 4490628, 4536952";

struct SMatchCase
{
    const char* pszName;
    std::vector<CIds> aUpdates;
    std::wstring strRequired;
    bool bExpected;
    std::wstring strExpectedFound;
};

class MatchRequiredUpdatesTest : public ::testing::TestWithParam<SMatchCase>
{
};

TEST_P(MatchRequiredUpdatesTest, BuildsTheFoundListAndTheVerdict)
{
    const SMatchCase& testCase = GetParam();
    std::wstring strFound;
    const bool bResult =
        MatchRequiredUpdates(MakeUpdates(testCase.aUpdates), testCase.strRequired, strFound);
    EXPECT_EQ(bResult, testCase.bExpected);
    EXPECT_EQ(strFound, testCase.strExpectedFound);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MatchRequiredUpdatesTest,
    ::testing::Values(
        SMatchCase{"AllRequiredAcrossTwoUpdates",
                   {{L"4474419"}, {L"4490628", L"4536952"}},
                   kRequired,
                   true,
                   L"4474419,4490628,4536952"},
        SMatchCase{"OtherOrderMixedWithOthersKeepsAgentOrder",
                   {{L"982018"}, {L"4536952", L"2533552"}, {}, {L"4490628"}, {L"4474419"}},
                   kRequired,
                   true,
                   L"982018,4536952,2533552,4490628,4474419"},
        SMatchCase{"OneRequiredMissing",
                   {{L"4474419"}, {L"4536952", L"976902"}},
                   kRequired,
                   false,
                   L"4474419,4536952,976902"},
        SMatchCase{"KbPrefixDoesNotMatch",
                   {{L"KB4474419"}, {L"4490628", L"4536952"}},
                   kRequired,
                   false,
                   L"KB4474419,4490628,4536952"},
        SMatchCase{"ComparisonIsCaseSensitive", {{L"kb1"}}, L"KB1", false, L"kb1"},
        SMatchCase{"WhiteSpaceAroundItemsIsTrimmed",
                   {{L"1", L"2", L"3"}},
                   L"1 ,\t2,3\r\n",
                   true,
                   L"1,2,3"},
        SMatchCase{"BlanksInsideAnIdAreKeptByTheAgent", {{L" 1"}}, L"1", false, L" 1"},
        SMatchCase{"EmptyItemWithoutEmptyIdFails", {{L"1", L"2"}}, L"1,,2", false, L"1,2"},
        SMatchCase{"EmptyItemMatchesEmptyId", {{L"1", L""}, {L"2"}}, L"1,,2", true, L"1,,2"},
        SMatchCase{"TrailingCommaAddsNoItem", {{L"1"}}, L"1,", true, L"1"},
        SMatchCase{"BlankAfterTrailingCommaIsAnEmptyItem", {{L"1"}}, L"1, ", false, L"1"},
        SMatchCase{"NoUpdateAtAll", {}, kRequired, false, L""},
        SMatchCase{"NoUpdateAtAllWithEmptyRequiredList", {}, L"", false, L""},
        SMatchCase{"UpdatesWithoutIds", {{}, {}}, kRequired, false, L""},
        SMatchCase{"UpdatesWithoutIdsAndEmptyRequiredList", {{}, {}}, L"", true, L""},
        SMatchCase{"DuplicateIdsAreKept",
                   {{L"4474419", L"4490628"}, {L"4474419"}, {L"4536952"}},
                   kRequired,
                   true,
                   L"4474419,4490628,4474419,4536952"},
        SMatchCase{"RepeatedRequiredItem", {{L"1"}}, L"1, 1,1", true, L"1"},
        SMatchCase{"RepeatedRequiredItemStillNeedsTheOthers", {{L"1"}}, L"1,1,2", false, L"1"},
        SMatchCase{"RequiredFoundEarlyStillListsEveryId",
                   {{L"1"}, {L"2", L"3"}, {L"4"}},
                   L"1",
                   true,
                   L"1,2,3,4"},
        SMatchCase{"LastIdCompletesTheList", {{L"1"}, {L"2", L"3"}}, L"3,1", true, L"1,2,3"},
        SMatchCase{"EmptyRequiredListWithUpdates", {{L"1"}}, L"", true, L"1"},
        SMatchCase{"OnlyEmptyIds", {{L""}, {L""}}, L"", true, L","},
        SMatchCase{
            "NonAsciiIdsCompareCodeUnitByCodeUnit", {{L"\u00C9"}}, L"E\u0301", false, L"\u00C9"}),
    [](const ::testing::TestParamInfo<SMatchCase>& info) { return info.param.pszName; });

TEST(MatchRequiredUpdates, NoUpdateLeavesTheFoundListAsItCame)
{
    std::wstring strFound = L"left alone";
    EXPECT_FALSE(MatchRequiredUpdates({}, kRequired, strFound));
    EXPECT_EQ(strFound, L"left alone");
}

TEST(MatchRequiredUpdates, FirstMissingItemDecidesEvenWhenLaterItemsArePresent)
{
    std::wstring strFound;
    EXPECT_FALSE(MatchRequiredUpdates(MakeUpdates({{L"2", L"3"}}), L"1,2,3", strFound));
    EXPECT_EQ(strFound, L"2,3");
}
} // namespace
