#pragma once

#include <string>

// Loads a string-table entry and formats it printf-style (%d takes int, %u unsigned int,
// %ls a const wchar_t*). An id the table does not hold yields an empty string.
std::wstring LoadResourceString(unsigned int nId, ...);
