#pragma once

#include "ui/ProgramManual.h"

#include <string>
#include <string_view>

// The manual page in the man macros of roff: NAME, SYNOPSIS, DESCRIPTION, OPTIONS, EXIT STATUS,
// ENVIRONMENT, FILES, EXAMPLES, the manual's own sections, SEE ALSO.
std::string FormatManPage(const SProgramManual& manual, const SManualRelease& release);

// The short text of an entry, which --help shows as a phrase, ended as a sentence before its
// detail, as the manual and the reference give them.
std::string JoinManualText(const std::string& strText, const std::string& strDetail);

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
