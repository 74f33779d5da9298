#pragma once

#include "support/TextSplit.h"

#include <string_view>
#include <vector>

// Small text helpers for the line-based files of /proc and /sys.
std::string_view TrimText(std::string_view strText);

// The value of a "key<separator>value" line whose key, trimmed, equals strKey; the first such line.
bool FindKeyedValue(std::string_view strText, std::string_view strKey, char cSeparator,
                    std::string_view& strValue);
