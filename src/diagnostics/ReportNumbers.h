#pragma once

#include <cstdint>
#include <string>

// The text forms of the diagnostics report, read the same way whatever the user's locale.

// The leading decimal integer: white space skipped, an optional sign, digits up to the first
// non-digit; 0 without digits; clamped to the type's range on overflow.
std::int64_t ParseLeadingInt64(const std::wstring& strText);
std::int32_t ParseLeadingInt32(const std::wstring& strText);

// The longest prefix, after leading white space, that is a decimal number: an optional sign,
// digits with an optional "." and fraction (one digit at least), an optional exponent. Hexadecimal
// forms, "inf" and "nan" hold no decimal number: their prefix is "0" or empty.
std::wstring FindDecimalPrefix(const std::wstring& strText);

// The number of FindDecimalPrefix, converted in the C locale; 0.0 when there is none. A number
// beyond the range of a double converts to an infinity.
double ParseDecimalNumber(const std::wstring& strText);

// The longest prefix that is a floating-point number in the C locale (the decimal separator is
// always "."), after leading white space; 0.0 when there is none. Platform adapter.
double ParseCLocaleDouble(const std::wstring& strText);
