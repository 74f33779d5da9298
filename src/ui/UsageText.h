#pragma once

#include "ui/ProgramManual.h"

#include <cstddef>
#include <string>
#include <string_view>

// What --help prints: the usage lines, the first paragraph of the description, the options with
// their texts in a column, the exit codes, and where the rest is. Lines stay within nWidth
// characters where words allow.
std::string FormatUsage(const SProgramManual& manual, std::size_t nWidth = 80);

// The words of strText in lines of at most nWidth characters (a longer word gets a line of its
// own), each line after the first starting with nIndent blanks, joined with '\n'.
std::string WrapText(std::string_view strText, std::size_t nWidth, std::size_t nIndent);
