#include "diagnostics/DiagnosticsCapture.h"

#include "support/TestFolder.h"

#include <gtest/gtest.h>

namespace
{
TEST(BuildCollectorArguments, NamesTheReportUnquoted)
{
    const std::vector<std::wstring> aExpected = {L"/whql:off", L"/x", L"/run/a b/qdxd.xml"};
    EXPECT_EQ(BuildCollectorArguments(L"/run/a b/qdxd.xml"), aExpected);
}

struct SExitCase
{
    const char* pszName;
    SChildOutcome outcome;
    std::int32_t nExpected;
};

class GetCaptureExitCodeTest : public ::testing::TestWithParam<SExitCase>
{
};

TEST_P(GetCaptureExitCodeTest, AppliesTheRule)
{
    EXPECT_EQ(GetCaptureExitCode(GetParam().outcome), GetParam().nExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GetCaptureExitCodeTest,
    ::testing::Values(SExitCase{"Zero", {true, false, false, 0}, 0},
                      SExitCase{"One", {true, false, false, 1}, 1},
                      SExitCase{"Status254", {true, false, false, 254}, 254},
                      SExitCase{"Status255IsMinusOne", {true, false, false, 255}, -1},
                      SExitCase{"NotStarted", {false, false, false, 0}, -1},
                      SExitCase{"EndedBySignal", {true, true, false, 0}, -1},
                      // Ended for running too long, whatever it said.
                      SExitCase{"TimedOut", {true, true, true, 0}, -1},
                      SExitCase{"TimedOutWithStatus", {true, false, true, 0}, -1},
                      // Windows keeps all 32 bits of the exit code
                      SExitCase{"Whole255", {true, false, false, 255, false}, 255},
                      SExitCase{"WholeMinusOne", {true, false, false, -1, false}, -1},
                      SExitCase{"WholeMinusTwo", {true, false, false, -2, false}, -2},
                      SExitCase{"WholeNotStarted", {false, false, false, 0, false}, -1}),
    [](const ::testing::TestParamInfo<SExitCase>& info) { return info.param.pszName; });
struct STimeoutCase
{
    const char* pszText;
    std::optional<std::chrono::seconds> expected;
};

class ParseCollectorTimeoutTest : public ::testing::TestWithParam<STimeoutCase>
{
};

TEST_P(ParseCollectorTimeoutTest, TakesWholeSecondsWithinTheBounds)
{
    EXPECT_EQ(ParseCollectorTimeout(GetParam().pszText), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseCollectorTimeoutTest,
    ::testing::Values(STimeoutCase{"1", std::chrono::seconds(1)},
                      STimeoutCase{"300", std::chrono::seconds(300)},
                      STimeoutCase{"0300", std::chrono::seconds(300)},
                      STimeoutCase{"86400", std::chrono::seconds(86400)},
                      STimeoutCase{"86401", std::nullopt}, STimeoutCase{"0", std::nullopt},
                      STimeoutCase{"", std::nullopt}, STimeoutCase{"-5", std::nullopt},
                      STimeoutCase{"+5", std::nullopt}, STimeoutCase{" 5", std::nullopt},
                      STimeoutCase{"5 ", std::nullopt}, STimeoutCase{"1.5", std::nullopt},
                      STimeoutCase{"0x10", std::nullopt}, STimeoutCase{"5s", std::nullopt},
                      STimeoutCase{"99999999999999999999", std::nullopt}));

TEST(GetCollectorTimeout, DefaultsToFiveMinutesAndRefusesAnInvalidOverride)
{
    {
        const CScopedVariable unset(kCollectorTimeoutVariable, std::nullopt);
        EXPECT_EQ(GetCollectorTimeout(), std::chrono::seconds(300));
        EXPECT_FALSE(IsCollectorTimeoutOverrideInvalid());
    }
    {
        const CScopedVariable set(kCollectorTimeoutVariable, "7");
        EXPECT_EQ(GetCollectorTimeout(), std::chrono::seconds(7));
        EXPECT_FALSE(IsCollectorTimeoutOverrideInvalid());
    }
    {
        const CScopedVariable set(kCollectorTimeoutVariable, "soon");
        EXPECT_EQ(GetCollectorTimeout(), std::nullopt);
        EXPECT_TRUE(IsCollectorTimeoutOverrideInvalid());
    }
}
} // namespace
