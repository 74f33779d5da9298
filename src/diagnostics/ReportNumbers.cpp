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

bool IsDigit(wchar_t ch)
{
    return ch >= L'0' && ch <= L'9';
}

bool IsSign(wchar_t ch)
{
    return ch == L'+' || ch == L'-';
}

// The end of the run of digits that starts at nPosition.
std::size_t SkipDigits(const std::wstring& strText, std::size_t nPosition)
{
    while (nPosition < strText.size() && IsDigit(strText[nPosition]))
    {
        ++nPosition;
    }
    return nPosition;
}
} // namespace

std::wstring FindDecimalPrefix(const std::wstring& strText)
{
    std::size_t nStart = 0;
    while (nStart < strText.size() && IsCSpace(strText[nStart]))
    {
        ++nStart;
    }
    std::size_t nEnd = nStart;
    if (nEnd < strText.size() && IsSign(strText[nEnd]))
    {
        ++nEnd;
    }
    const std::size_t nIntegerStart = nEnd;
    nEnd = SkipDigits(strText, nEnd);
    std::size_t nDigits = nEnd - nIntegerStart;
    if (nEnd < strText.size() && strText[nEnd] == L'.')
    {
        const std::size_t nFractionEnd = SkipDigits(strText, nEnd + 1);
        nDigits += nFractionEnd - (nEnd + 1);
        nEnd = nFractionEnd;
    }
    if (nDigits == 0)
    {
        return std::wstring();
    }
    // An exponent counts only with at least one digit of its own.
    if (nEnd < strText.size() && (strText[nEnd] == L'e' || strText[nEnd] == L'E'))
    {
        std::size_t nExponent = nEnd + 1;
        if (nExponent < strText.size() && IsSign(strText[nExponent]))
        {
            ++nExponent;
        }
        const std::size_t nExponentEnd = SkipDigits(strText, nExponent);
        if (nExponentEnd > nExponent)
        {
            nEnd = nExponentEnd;
        }
    }
    return strText.substr(nStart, nEnd - nStart);
}

double ParseDecimalNumber(const std::wstring& strText)
{
    const std::wstring strNumber = FindDecimalPrefix(strText);
    return strNumber.empty() ? 0.0 : ParseCLocaleDouble(strNumber);
}

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
    for (; i < strText.size() && IsDigit(strText[i]); ++i)
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
