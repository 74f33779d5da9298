#pragma once

#include <string>
#include <string_view>

// UTF-8 <-> wide text. Wide strings are UTF-32 where wchar_t has 32 bits and UTF-16 where it has
// 16. Invalid input never fails: a byte that is no valid UTF-8 becomes U+DC80..U+DCFF and turns
// back into the same byte, so names in other encodings survive the round trip; any other
// unpaired surrogate becomes U+FFFD.
std::string WideToUtf8(std::wstring_view strWide);
std::wstring Utf8ToWide(std::string_view strUtf8);
// As WideToUtf8, but always valid UTF-8: a byte that came from invalid input becomes U+FFFD, as
// in the JSON output, for files whose readers expect UTF-8 throughout (CSV).
std::string WideToValidUtf8(std::wstring_view strWide);

// The length of the well-formed UTF-8 sequence at the start of the text, with its code point; 0
// when the bytes there form none (overlong forms, surrogates and values past U+10FFFF included).
std::size_t DecodeUtf8Sequence(std::string_view strText, char32_t& cCodePoint);
