#pragma once

#include <optional>
#include <string>

// Loads a string-table entry and formats it printf-style (%d takes int, %u unsigned int,
// %ls a const wchar_t*). An id the table does not hold yields an empty string.
std::wstring LoadResourceString(unsigned int nId, ...);

// The entry unformatted, cut to 1022 characters as the loader's buffer would; nothing when the
// table does not hold the id. Platform adapter: the program's own string table resource on
// Windows, the same texts compiled in elsewhere.
std::optional<std::wstring> FindStringTableEntry(unsigned int nId);
