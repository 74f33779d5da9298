#pragma once

#include "ui/cli/QualificationResult.h"

#include <string>
#include <string_view>

// The CSV file of --csv: UTF-8, comma-separated, CRLF line ends, fields quoted as RFC 4180 asks.
// Columns are documented in doc/cli.md "CSV file"; they are only ever added at the end.

// The header line, with its line end.
std::string GetCsvHeader();

// The row of one result, with its line end.
std::string FormatCsvRow(const SQualificationResult& result, const SResultContext& context);

// The field as RFC 4180 writes it: in double quotes, inner quotes doubled, when it holds a comma,
// a quote, a line feed or a carriage return; unchanged otherwise.
std::string QuoteCsvField(std::string_view strField);

// A text field (names, paths, messages) quoted, and with a "'" in front when it begins with a
// character that spreadsheet programs take for the start of a formula (= + - @ tab CR).
std::string FormatCsvText(std::string_view strText);

// The CSV column of a requirement's verdict, as its descriptor names it.
const char* GetRequirementCsvColumn(ERequirement requirement);
