#include "run/Verdict.h"

#include <gtest/gtest.h>
#include <limits>

namespace
{
struct SVerdictCase
{
    const char* pszName;
    ERequirement requirement;
    TestResults results;
    bool bConsent;
    bool bWindows8;
    EVerdict expected;
};

TestResults With(void (*change)(TestResults&))
{
    TestResults results;
    change(results);
    return results;
}

constexpr EVerdict P = EVerdict::Pass;
constexpr EVerdict F = EVerdict::Fail;
constexpr EVerdict U = EVerdict::Unknown;
} // namespace

TEST(Verdict, Boundaries)
{
    const SVerdictCase aCases[] = {
        {"level 11.0 passes", ERequirement::Display,
         With([](TestResults& r) { r.m_fFeatureLevel = 11.0f; }), false, true, P},
        {"level 10.1 fails", ERequirement::Display,
         With([](TestResults& r) { r.m_fFeatureLevel = 10.1f; }), false, true, F},
        {"level 12.1 passes", ERequirement::Display,
         With([](TestResults& r) { r.m_fFeatureLevel = 12.1f; }), false, true, P},
        {"Windows 7 display always passes", ERequirement::Display, TestResults(), false, false, P},
        {"sound present", ERequirement::Sound,
         With([](TestResults& r) { r.m_bSoundDevice = true; }), false, true, P},
        {"no sound", ERequirement::Sound, TestResults(), false, true, F},
        {"memory 4094", ERequirement::Memory, With([](TestResults& r) { r.m_nMemoryMB = 4094; }),
         false, true, F},
        {"memory 4095", ERequirement::Memory, With([](TestResults& r) { r.m_nMemoryMB = 4095; }),
         false, true, P},
        {"memory above 2^31 compares unsigned", ERequirement::Memory,
         With([](TestResults& r) { r.m_nMemoryMB = 0x80000000u; }), false, true, P},
        {"disk 1023", ERequirement::FreeDisk, With([](TestResults& r) { r.m_nFreeDiskMB = 1023; }),
         false, true, F},
        {"disk 1024", ERequirement::FreeDisk, With([](TestResults& r) { r.m_nFreeDiskMB = 1024; }),
         false, true, P},
        {"Windows 8 updates always pass", ERequirement::Updates, TestResults(), false, true, P},
        {"Windows 7 without updates", ERequirement::Updates, TestResults(), false, false, F},
        {"Windows 7 with updates", ERequirement::Updates,
         With([](TestResults& r) { r.m_bUpdatesFound = true; }), false, false, P},
        {"clock +59", ERequirement::Clock, With([](TestResults& r) { r.m_llClockDelta = 59; }),
         true, true, P},
        {"clock -59", ERequirement::Clock, With([](TestResults& r) { r.m_llClockDelta = -59; }),
         true, true, P},
        {"clock +60", ERequirement::Clock, With([](TestResults& r) { r.m_llClockDelta = 60; }),
         true, true, F},
        {"clock -60", ERequirement::Clock, With([](TestResults& r) { r.m_llClockDelta = -60; }),
         true, true, F},
        {"clock most negative", ERequirement::Clock,
         With([](TestResults& r) { r.m_llClockDelta = std::numeric_limits<std::int64_t>::min(); }),
         true, true, F},
        {"clock beyond 32 bits", ERequirement::Clock,
         With([](TestResults& r) { r.m_llClockDelta = 0x100000000LL; }), true, true, F},
        {"clock without consent", ERequirement::Clock,
         With([](TestResults& r) { r.m_llClockDelta = 0; }), false, true, U},
        {"clock far off without consent", ERequirement::Clock,
         With([](TestResults& r) { r.m_llClockDelta = 500; }), false, true, U},
    };
    for (const SVerdictCase& testCase : aCases)
    {
        EXPECT_EQ(GetVerdict(testCase.requirement, testCase.results, testCase.bConsent,
                             testCase.bWindows8),
                  testCase.expected)
            << testCase.pszName;
    }
}

TEST(Verdict, ZeroStateOnBothSystemClasses)
{
    const TestResults zero;
    const EVerdict aWindows8[] = {F, F, P, F, F, P};
    const EVerdict aWindows7[] = {P, F, F, F, F, P};
    for (std::size_t i = 0; i < g_aRequirements.size(); ++i)
    {
        EXPECT_EQ(GetVerdict(g_aRequirements[i], zero, true, true), aWindows8[i]) << i;
        EXPECT_EQ(GetVerdict(g_aRequirements[i], zero, true, false), aWindows7[i]) << i;
    }
    EXPECT_EQ(GetVerdict(ERequirement::Clock, zero, false, true), U);
}
