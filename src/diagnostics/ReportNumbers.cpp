#include "diagnostics/ReportNumbers.h"

#include <algorithm>
#include <limits>

namespace
{
// White space of the C locale.
bool IsCSpace(wchar_t ch)
{
    return ch == L' ' || ch == L'\t' || ch == L'\n' || ch == L'\v' || ch == L'\f' || ch == L'\r';
}
} // namespace

std::int64_t ParseLeadingInt64(const std::wstring& strText)
{
    constexpr std::uint64_t nLargest = std::numeric_limits<std::int64_t>::max();
    std::size_t i = 0;
    while (i < strText.size() && IsCSpace(strText[i]))
    {
        ++i;
    }
    const bool bNegative = i < strText.size() && strText[i] == L'-';
    if (i < strText.size() && (strText[i] == L'-' || strText[i] == L'+'))
    {
        ++i;
    }
    // The magnitude may reach one beyond the largest value, which the negative range holds.
    const std::uint64_t nLimit = bNegative ? nLargest + 1 : nLargest;
    std::uint64_t nMagnitude = 0;
    for (; i < strText.size() && strText[i] >= L'0' && strText[i] <= L'9'; ++i)
    {
        const std::uint64_t nDigit = static_cast<std::uint64_t>(strText[i] - L'0');
        nMagnitude = nMagnitude > (nLimit - nDigit) / 10 ? nLimit : nMagnitude * 10 + nDigit;
    }
    if (!bNegative)
    {
        return static_cast<std::int64_t>(nMagnitude);
    }
    return nMagnitude == nLargest + 1 ? std::numeric_limits<std::int64_t>::min()
                                      : -static_cast<std::int64_t>(nMagnitude);
}

std::int32_t ParseLeadingInt32(const std::wstring& strText)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        ParseLeadingInt64(strText), std::numeric_limits<std::int32_t>::min(),
        std::numeric_limits<std::int32_t>::max()));
}
