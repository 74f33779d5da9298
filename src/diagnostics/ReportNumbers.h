#pragma once

#include <cstdint>
#include <string>

// The text forms of the diagnostics report, read the same way whatever the user's locale.

// The leading decimal integer: white space skipped, an optional sign, digits up to the first
// non-digit; 0 without digits; clamped to the type's range on overflow.
std::int64_t ParseLeadingInt64(const std::wstring& strText);
std::int32_t ParseLeadingInt32(const std::wstring& strText);

// The longest prefix that is a floating-point number in the C locale (the decimal separator is
// always "."), after leading white space; 0.0 when there is none. Platform adapter.
double ParseCLocaleDouble(const std::wstring& strText);
