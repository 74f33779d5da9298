#pragma once

#include <cstdio>
#include <ctime>
#include <string>

// The Date value a conforming server sends (IMF-fixdate) for a time in seconds since 1970.
inline std::string FormatHttpDate(std::time_t time)
{
    std::tm record{};
    gmtime_r(&time, &record);
    static const char* const aDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const aMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char szDate[64];
    std::snprintf(szDate, sizeof(szDate), "%s, %02d %s %04d %02d:%02d:%02d GMT",
                  aDays[record.tm_wday], record.tm_mday, aMonths[record.tm_mon],
                  record.tm_year + 1900, record.tm_hour, record.tm_min, record.tm_sec);
    return szDate;
}

// Seconds since 1970 of a UTC calendar time.
inline std::time_t UtcTime(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond)
{
    std::tm record{};
    record.tm_year = nYear - 1900;
    record.tm_mon = nMonth - 1;
    record.tm_mday = nDay;
    record.tm_hour = nHour;
    record.tm_min = nMinute;
    record.tm_sec = nSecond;
    return timegm(&record);
}
