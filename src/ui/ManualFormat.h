#pragma once

#include "ui/ProgramManual.h"

#include <cstddef>
#include <string>
#include <string_view>

// What --help prints: the usage lines, the first paragraph of the description, the options with
// their texts in a column, the exit codes, and where the rest is. Lines stay within nWidth
// characters where words allow.
std::string FormatUsage(const SProgramManual& manual, std::size_t nWidth = 80);

// The manual page in the man macros of roff: NAME, SYNOPSIS, DESCRIPTION, OPTIONS, EXIT STATUS,
// ENVIRONMENT, FILES, EXAMPLES, the manual's own sections, SEE ALSO.
std::string FormatManPage(const SProgramManual& manual, const SManualRelease& release);

// Plain text as roff reads it literally: backslashes and minus signs escaped, a leading '.' or
// '\'' kept from being read as a request.
std::string EscapeRoff(std::string_view strText);

// What a term names: options (and usage lines, files), or environment variables.
enum class ERoffTerm
{
    Options,
    Variables,
};

// A term or usage line with options in bold and placeholders (upper-case words) in italics; for
// variables, their names in bold and their values in italics.
std::string FormatRoffTerm(std::string_view strTerm, ERoffTerm kind);

// The words of strText in lines of at most nWidth characters (a longer word gets a line of its
// own), each line after the first starting with nIndent blanks, joined with '\n'.
std::string WrapText(std::string_view strText, std::size_t nWidth, std::size_t nIndent);
