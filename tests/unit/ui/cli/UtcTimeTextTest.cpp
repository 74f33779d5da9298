#include "ui/cli/UtcTimeText.h"

#include <gtest/gtest.h>

TEST(UtcTimeText, IsoDateAndTimeInUtc)
{
    using namespace std::chrono;
    const std::pair<sys_seconds, const wchar_t*> aCases[] = {
        {sys_days{year{1970} / January / 1}, L"1970-01-01T00:00:00Z"},
        {sys_days{year{2026} / March / 1} + hours{9} + minutes{15} + seconds{2},
         L"2026-03-01T09:15:02Z"},
        {sys_days{year{2024} / February / 29} + hours{23} + minutes{59} + seconds{59},
         L"2024-02-29T23:59:59Z"},
        {sys_days{year{1969} / December / 31} + hours{23}, L"1969-12-31T23:00:00Z"},
    };
    for (const auto& [time, pszExpected] : aCases)
    {
        EXPECT_EQ(FormatUtcTime(time), pszExpected);
    }
    // Fractions of a second are dropped, not rounded.
    EXPECT_EQ(FormatUtcTime(sys_days{year{2026} / March / 1} + milliseconds{999}),
              L"2026-03-01T00:00:00Z");
}
