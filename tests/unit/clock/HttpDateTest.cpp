#include "clock/HttpDate.h"

#include "support/HttpDateText.h"
#include "support/ScopedTimeZone.h"
#include "support/TextConvert.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <gtest/gtest.h>
#include <optional>

namespace
{
std::tm CurrentLocalTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm record{};
    localtime_r(&now, &record);
    return record;
}

struct SFullDateCase
{
    const wchar_t* pszHeader;
};

void PrintTo(const SFullDateCase& value, std::ostream* pStream)
{
    *pStream << WideToUtf8(value.pszHeader);
}

class HttpDateFullDate : public ::testing::TestWithParam<SFullDateCase>
{
};

// Every spelling that the parser accepts yields 15 Nov 1994 08:12:31, normalised (a Tuesday,
// day 318 of the year), read in a zone without daylight-saving time on that date.
TEST_P(HttpDateFullDate, FillsTheRecord)
{
    const CScopedTimeZone zone("UTC");
    std::tm record{};
    ASSERT_EQ(ParseHttpDate(GetParam().pszHeader, &record), 0);
    EXPECT_EQ(record.tm_mday, 15);
    EXPECT_EQ(record.tm_mon, 10);
    EXPECT_EQ(record.tm_year, 94);
    EXPECT_EQ(record.tm_hour, 8);
    EXPECT_EQ(record.tm_min, 12);
    EXPECT_EQ(record.tm_sec, 31);
    EXPECT_EQ(record.tm_wday, 2);
    EXPECT_EQ(record.tm_yday, 318);
    EXPECT_EQ(record.tm_isdst, 0);
}

INSTANTIATE_TEST_SUITE_P(Accepted, HttpDateFullDate,
                         ::testing::Values(SFullDateCase{L"Tue, 15 Nov 1994 08:12:31 GMT"},
                                           SFullDateCase{L"tue, 15 NOV 1994 08:12:31 GMT"},
                                           SFullDateCase{L"Tue, 15 nOv 1994 08:12:31 GMT"},
                                           SFullDateCase{L"Tue, 15 Nov 1994 08:12:31 UTC"},
                                           SFullDateCase{L"Tue, 15 Nov 1994 08:12:31"},
                                           SFullDateCase{L"Tuesday,15 Nov 1994 8:12:31 GMT"}));

struct SRejectedCase
{
    const wchar_t* pszHeader;
    int nAssignedDay;                     // 0 when the scan stops before the day
    std::optional<int> nAssignedTmYear{}; // when the scan goes past an unknown month
};

void PrintTo(const SRejectedCase& value, std::ostream* pStream)
{
    *pStream << WideToUtf8(value.pszHeader);
}

class HttpDateRejected : public ::testing::TestWithParam<SRejectedCase>
{
};

// An unknown month gives 34 and leaves the record as the current local time (the year less
// 1900 twice), with whatever the scan assigned before the month.
TEST_P(HttpDateRejected, GivesRangeErrorAndKeepsTheCurrentTime)
{
    const CScopedTimeZone zone("UTC");
    const std::tm before = CurrentLocalTime();
    std::tm record{};
    ASSERT_EQ(ParseHttpDate(GetParam().pszHeader, &record), ERANGE);
    EXPECT_EQ(record.tm_year, GetParam().nAssignedTmYear.value_or(before.tm_year - 1900));
    EXPECT_EQ(record.tm_mon, before.tm_mon);
    EXPECT_EQ(record.tm_isdst, 0);
    if (GetParam().nAssignedDay != 0)
    {
        EXPECT_EQ(record.tm_mday, GetParam().nAssignedDay);
    }
    else
    {
        EXPECT_EQ(record.tm_mday, before.tm_mday);
    }
}

INSTANTIATE_TEST_SUITE_P(
    UnknownMonth, HttpDateRejected,
    ::testing::Values(SRejectedCase{L"Sunday, 06-Nov-94 08:49:37 GMT", 6}, // month text "-No"
                      SRejectedCase{L"Sun Nov  6 08:49:37 1994", 0},       // stops at the day
                      SRejectedCase{L"", 0}, SRejectedCase{L" Tue, 15 Nov 1994 08:12:31 GMT", 0},
                      SRejectedCase{L"15 Nov 1994 08:12:31 GMT", 0},
                      SRejectedCase{L"Tue, 15 Nvo 1994 08:12:31 GMT", 15, 94},
                      SRejectedCase{L"Tue, 15 N\u00f3v 1994 08:12:31 GMT", 15, 94},
                      SRejectedCase{L"Tue, 15", 15}));

TEST(HttpDate, NullRecordGivesInvalidArgument)
{
    EXPECT_EQ(ParseHttpDate(L"Tue, 15 Nov 1994 08:12:31 GMT", nullptr), EINVAL);
}

struct SMissingFieldCase
{
    const wchar_t* pszHeader;
};

void PrintTo(const SMissingFieldCase& value, std::ostream* pStream)
{
    *pStream << WideToUtf8(value.pszHeader);
}

class HttpDateMissingField : public ::testing::TestWithParam<SMissingFieldCase>
{
};

// A known month with a field left unread would take that field from the local clock, so a date
// without its time of day would compare the clock with itself and always pass. Such a date is
// refused, and the record is not normalised.
TEST_P(HttpDateMissingField, GivesInvalidArgument)
{
    const CScopedTimeZone zone("UTC");
    const std::tm before = CurrentLocalTime();
    std::tm record{};
    EXPECT_EQ(ParseHttpDate(GetParam().pszHeader, &record), EINVAL);
    EXPECT_EQ(record.tm_mon, before.tm_mon);
    EXPECT_EQ(record.tm_isdst, 0);
}

INSTANTIATE_TEST_SUITE_P(
    KnownMonth, HttpDateMissingField,
    ::testing::Values(SMissingFieldCase{L"Wed, 09 Dec 2026"}, SMissingFieldCase{L"Wed, 09 Dec"},
                      SMissingFieldCase{L"Wed, 09 Dec 2026 08"},
                      SMissingFieldCase{L"Wed, 09 Dec 2026 08:12"},
                      SMissingFieldCase{L"Wed, 09 Dec 2026 08:12: GMT"},
                      SMissingFieldCase{L"Wed, 09 Dec 2026 08:xx:31 GMT"},
                      SMissingFieldCase{L"Wed, 09 Dec twenty 08:12:31 GMT"},
                      // "Sept" stops the scan after "Sep": the year and the time are never read.
                      SMissingFieldCase{L"Tue, 15 Sept 2020 08:12:31 GMT"}));

TEST(HttpDate, TwoDigitYearFailsTheComparison)
{
    const CScopedTimeZone zone("UTC");
    std::tm record{};
    ASSERT_EQ(ParseHttpDate(L"Tue, 15 Nov 94 08:12:31 GMT", &record), 0);
    EXPECT_EQ(record.tm_year, 94 - 1900);
    std::tm utcRecord{};
    ASSERT_TRUE(BreakDownSystemTime(std::time(nullptr), utcRecord));
    EXPECT_LT(ComputeClockDelta(utcRecord, record), -60);
}

// The year comes from the network; one that cannot be moved to the record's base is refused
// instead of overflowing.
TEST(HttpDate, YearAtTheBottomOfTheRangeIsRefused)
{
    std::tm record{};
    EXPECT_EQ(ParseHttpDate(L"Tue, 15 Nov -2147483648 08:12:31 GMT", &record), ERANGE);
    EXPECT_EQ(ParseHttpDate(L"Tue, 15 Nov -2147481749 08:12:31 GMT", &record), ERANGE);
    EXPECT_EQ(ParseHttpDate(L"Tue, 15 Nov -2147481748 08:12:31 GMT", &record), 0);
    EXPECT_EQ(record.tm_year, INT_MIN);
}

TEST(HttpDate, HugeFieldsDoNotBreakTheParser)
{
    std::tm record{};
    EXPECT_EQ(ParseHttpDate(L"Tue, 2147483647 Dec 2147483647 2147483647:2147483647:2147483647 GMT",
                            &record),
              0);
}

// Where daylight-saving time is in force, the normalisation moves the hour to it.
TEST(HttpDate, NormalisationMovesTheHourToDaylightSavingTime)
{
    const CScopedTimeZone zone("America/New_York");
    std::tm record{};
    ASSERT_EQ(ParseHttpDate(L"Wed, 15 Jul 2026 12:00:00 GMT", &record), 0);
    EXPECT_GT(record.tm_isdst, 0);
    EXPECT_EQ(record.tm_hour, 13);
    EXPECT_EQ(record.tm_mday, 15);
}

struct SZoneCase
{
    const char* pszZone;
};

void PrintTo(const SZoneCase& value, std::ostream* pStream)
{
    *pStream << value.pszZone;
}

class ClockComparison : public ::testing::TestWithParam<SZoneCase>
{
};

// The delta is the difference of the two instants whatever the zone, its daylight-saving state,
// or a daylight-saving change between the two instants.
TEST_P(ClockComparison, DeltaIsTheSameInEveryZone)
{
    const CScopedTimeZone zone(GetParam().pszZone);
    const std::time_t aSystemTimes[] = {
        UtcTime(2026, 7, 15, 12, 0, 0),    // summer in the north
        UtcTime(2026, 1, 15, 23, 59, 30),  // summer in the south, a day ends
        UtcTime(2026, 3, 8, 6, 59, 30),    // New York springs forward at 07:00
        UtcTime(2026, 11, 1, 5, 59, 30),   // New York falls back at 06:00
        UtcTime(2026, 3, 29, 0, 59, 30),   // Berlin and Dublin spring forward at 01:00
        UtcTime(2026, 10, 25, 0, 59, 30),  // Berlin and Dublin fall back at 01:00
        UtcTime(2026, 4, 4, 16, 29, 30),   // Adelaide falls back at 16:30
        UtcTime(2026, 12, 31, 23, 59, 30), // a year ends
        UtcTime(1994, 11, 15, 8, 12, 31),
    };
    const std::int64_t aDeltas[] = {0, 59, -59, 60, -60, 120, -30, 3 * 3600, -3 * 3600};
    for (const std::time_t systemTime : aSystemTimes)
    {
        for (const std::int64_t llDelta : aDeltas)
        {
            const std::string strHeader = FormatHttpDate(systemTime + llDelta);
            SCOPED_TRACE(strHeader);
            std::tm internetRecord{};
            ASSERT_EQ(ParseHttpDate(Utf8ToWide(strHeader).c_str(), &internetRecord), 0);
            std::tm utcRecord{};
            ASSERT_TRUE(BreakDownSystemTime(systemTime, utcRecord));
            EXPECT_EQ(utcRecord.tm_isdst, 0);
            EXPECT_EQ(ComputeClockDelta(utcRecord, internetRecord), llDelta);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Zones, ClockComparison,
                         ::testing::Values(SZoneCase{"UTC"}, SZoneCase{"America/New_York"},
                                           SZoneCase{"Asia/Kolkata"},
                                           SZoneCase{"Australia/Adelaide"},
                                           SZoneCase{"Europe/Berlin"}, SZoneCase{"Europe/Dublin"},
                                           SZoneCase{"Pacific/Chatham"},
                                           SZoneCase{"America/St_Johns"}),
                         [](const ::testing::TestParamInfo<SZoneCase>& info)
                         {
                             std::string strName = info.param.pszZone;
                             for (char& ch : strName)
                             {
                                 ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             }
                             return strName;
                         });
} // namespace
