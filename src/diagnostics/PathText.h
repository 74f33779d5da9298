#pragma once

#include <string>

// Replaces, left to right, every occurrence of the pattern by the replacement, resuming the search
// after each inserted replacement. An empty pattern changes nothing.
void ReplaceAll(std::wstring& strText, const std::wstring& strPattern,
                const std::wstring& strReplacement);

// Joins two path pieces with exactly one separator: every "/" in both pieces becomes the separator,
// one trailing separator of the first piece is dropped, and the separator is put between them
// unless the second piece already begins with one. Nothing else is normalised.
std::wstring JoinPathWith(std::wstring strFirst, std::wstring strSecond, wchar_t chSeparator);

// The path without one trailing separator, when it ends in one.
std::wstring RemoveTrailingSeparator(std::wstring strPath, wchar_t chSeparator);

// The folder part of a path: everything before its last separator ("/" alone for a path directly
// under the root), or "." when there is no separator.
std::wstring GetParentFolder(const std::wstring& strPath, wchar_t chSeparator);
