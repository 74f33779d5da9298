#include "ui/cli/CliExitCodes.h"

#include <gtest/gtest.h>

namespace
{
SQualificationResult WithVerdicts(EResultOutcome outcome, std::vector<EVerdict> aVerdicts)
{
    SQualificationResult result;
    result.outcome = outcome;
    for (std::size_t i = 0; i < aVerdicts.size(); ++i)
    {
        SRequirementResult row;
        row.requirement = g_aRequirements[i];
        row.verdict = aVerdicts[i];
        result.aRequirements.push_back(row);
    }
    return result;
}

constexpr EVerdict P = EVerdict::Pass;
constexpr EVerdict F = EVerdict::Fail;
constexpr EVerdict U = EVerdict::Unknown;
} // namespace

TEST(CliExitCodes, ResultCodeFollowsOutcomeThenFailThenUnknown)
{
    struct SCase
    {
        const char* pszName;
        EResultOutcome outcome;
        std::vector<EVerdict> aVerdicts;
        int nExpected;
    };
    const SCase aCases[] = {
        {"all pass", EResultOutcome::Finished, {P, P, P, P, P, P}, 0},
        {"one fail", EResultOutcome::Finished, {P, P, P, F, P, P}, 1},
        {"one unknown", EResultOutcome::Finished, {P, P, P, P, P, U}, 2},
        {"fail over unknown", EResultOutcome::Finished, {U, P, U, P, F, U}, 1},
        {"fail last", EResultOutcome::Finished, {U, U, U, U, U, F}, 1},
        {"error with all pass", EResultOutcome::Error, {P, P, P, P, P, P}, 4},
        {"error over fail", EResultOutcome::Error, {F, F, P, F, F, U}, 4},
        {"error without verdicts", EResultOutcome::Error, {}, 4},
        {"refused", EResultOutcome::Refused, {}, 3},
        {"cancelled", EResultOutcome::Cancelled, {}, 3},
        {"nothing judged", EResultOutcome::Finished, {}, 0},
    };
    for (const SCase& testCase : aCases)
    {
        EXPECT_EQ(GetResultExitCode(WithVerdicts(testCase.outcome, testCase.aVerdicts)),
                  testCase.nExpected)
            << testCase.pszName;
    }
}

TEST(CliExitCodes, BatchTakesTheMostSeriousCode)
{
    const std::pair<std::vector<int>, int> aCases[] = {
        {{}, 0},     {{0, 0}, 0},    {{0, 2, 0}, 2},   {{2, 1, 2}, 1},
        {{1, 3}, 3}, {{3, 4, 1}, 4}, {{0, 74, 4}, 74}, {{0, 64}, 64},
    };
    for (const auto& [aCodes, nExpected] : aCases)
    {
        EXPECT_EQ(CombineExitCodes(aCodes), nExpected) << ::testing::PrintToString(aCodes);
    }
}

TEST(CliExitCodes, CodesAreTheDocumentedNumbers)
{
    EXPECT_EQ(kCliExitPass, 0);
    EXPECT_EQ(kCliExitFail, 1);
    EXPECT_EQ(kCliExitUnknown, 2);
    EXPECT_EQ(kCliExitNotRun, 3);
    EXPECT_EQ(kCliExitError, 4);
    EXPECT_EQ(kCliExitUsage, 64);
    EXPECT_EQ(kCliExitCsvFailed, 74);
}
