#include "diagnostics/DiagnosticsCapture.h"

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

INSTANTIATE_TEST_SUITE_P(Cases, GetCaptureExitCodeTest,
                         ::testing::Values(SExitCase{"Zero", {true, false, 0}, 0},
                                           SExitCase{"One", {true, false, 1}, 1},
                                           SExitCase{"Status254", {true, false, 254}, 254},
                                           SExitCase{"Status255IsMinusOne", {true, false, 255}, -1},
                                           SExitCase{"NotStarted", {false, false, 0}, -1},
                                           SExitCase{"EndedBySignal", {true, true, 0}, -1}),
                         [](const ::testing::TestParamInfo<SExitCase>& info)
                         { return info.param.pszName; });
} // namespace
