#pragma once

#include <optional>
#include <string>
#include <vector>

// The lines of a CSV text, each without its CRLF; nothing when the text does not end with one.
std::optional<std::vector<std::string>> SplitCrlfLines(const std::string& strText);

// The fields of one CSV line without its line end, as a reader of RFC 4180 splits them; nothing
// when a quoted field does not close.
std::optional<std::vector<std::string>> SplitCsvLine(const std::string& strLine);
