#include "ui/cli/UtcTimeText.h"

#include <cstdio>

std::wstring FormatUtcTime(std::chrono::system_clock::time_point time)
{
    using namespace std::chrono;
    const sys_seconds seconds = floor<std::chrono::seconds>(time);
    const sys_days day = floor<days>(seconds);
    const year_month_day date(day);
    const hh_mm_ss<std::chrono::seconds> clock(seconds - day);
    wchar_t aText[64] = {};
    std::swprintf(aText, sizeof(aText) / sizeof(aText[0]), L"%04d-%02u-%02uT%02d:%02d:%02dZ",
                  static_cast<int>(date.year()), static_cast<unsigned int>(date.month()),
                  static_cast<unsigned int>(date.day()), static_cast<int>(clock.hours().count()),
                  static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()));
    return aText;
}
