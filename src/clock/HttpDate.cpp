#include "clock/HttpDate.h"

#include "clock/TimeBreakdown.h"

#include <array>
#include <cerrno>
#include <cwchar>
#include <limits>
#include <string>

namespace
{
constexpr int kTmYearBase = 1900;
// Day, month, year, hour, minute and second.
constexpr int kDateFieldCount = 6;

constexpr std::array<const wchar_t*, 12> g_aMonthNames = {
    L"jan", L"feb", L"mar", L"apr", L"may", L"jun", L"jul", L"aug", L"sep", L"oct", L"nov", L"dec",
};

std::wstring ToAsciiLower(std::wstring strText)
{
    for (wchar_t& ch : strText)
    {
        if (ch >= L'A' && ch <= L'Z')
        {
            ch = static_cast<wchar_t>(ch - L'A' + L'a');
        }
    }
    return strText;
}
} // namespace

int ParseHttpDate(const wchar_t* pszText, std::tm* pRecord)
{
    if (pRecord == nullptr)
    {
        return EINVAL;
    }
    const int nError = BreakDownLocal(std::time(nullptr), *pRecord);
    if (nError != 0)
    {
        return nError;
    }
    pRecord->tm_isdst = 0;

    // "%3ls" stores wide characters with every runtime library; fields after the first
    // mismatch keep the current local values.
    wchar_t szMonth[4] = {};
    const int nAssigned =
        std::swscanf(pszText != nullptr ? pszText : L"", L"%*[a-zA-Z,] %d %3ls %d %d:%d:%d GMT",
                     &pRecord->tm_mday, szMonth, &pRecord->tm_year, &pRecord->tm_hour,
                     &pRecord->tm_min, &pRecord->tm_sec);
    // The header comes from the network: a year that cannot be moved to the record's base is
    // no date at all, rather than an overflow.
    if (pRecord->tm_year < std::numeric_limits<int>::min() + kTmYearBase)
    {
        return ERANGE;
    }
    pRecord->tm_year -= kTmYearBase;

    const std::wstring strMonth = ToAsciiLower(szMonth);
    for (std::size_t nMonth = 0; nMonth < g_aMonthNames.size(); ++nMonth)
    {
        if (strMonth == g_aMonthNames[nMonth])
        {
            // A field the text did not give would keep the local clock's value, and a clock
            // compared with itself always passes.
            if (nAssigned != kDateFieldCount)
            {
                return EINVAL;
            }
            pRecord->tm_mon = static_cast<int>(nMonth);
            std::mktime(pRecord);
            return 0;
        }
    }
    return ERANGE;
}

bool BreakDownSystemTime(std::time_t now, std::tm& utcRecord)
{
    if (BreakDownUtc(now, utcRecord) != 0)
    {
        return false;
    }
    utcRecord.tm_isdst = 0;
    return true;
}

std::int64_t ComputeClockDelta(std::tm& utcRecord, std::tm& internetRecord)
{
    const std::int64_t llSystemSeconds = std::mktime(&utcRecord);
    const std::int64_t llInternetSeconds = std::mktime(&internetRecord);
    return llInternetSeconds - llSystemSeconds;
}
