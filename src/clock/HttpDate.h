#pragma once

#include <cstdint>
#include <ctime>

// Parses an HTTP Date value ("Tue, 15 Nov 1994 08:12:31 GMT") into a local-time record that
// starts as the current local time. Returns 0 when the month was recognised and day, month, year,
// hour, minute and second were all read (the record is then normalised), 22 for a null record or
// a recognised month with a field missing, 34 for an unknown month, or the error of the local
// breakdown of the current time.
int ParseHttpDate(const wchar_t* pszText, std::tm* pRecord);

// Breaks the system time down as UTC; false when the breakdown fails.
bool BreakDownSystemTime(std::time_t now, std::tm& utcRecord);

// Internet seconds minus system seconds. Both records are read by the same local-time
// conversion, so the zone offset cancels.
std::int64_t ComputeClockDelta(std::tm& utcRecord, std::tm& internetRecord);
