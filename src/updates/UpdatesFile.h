#pragma once

#include "updates/UpdateMatch.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A file of update records, the update source where no Windows Update Agent exists. UTF-8 text,
// one update per line, its knowledge-base ids separated by "," and taken exactly as written (no
// blanks removed), read like the required list: an empty line is an update without ids, a ","
// at the end of a line adds no id, two commas in a row make an empty id. A final line break adds
// no update; a "\r" before a line break is dropped; a UTF-8 byte-order mark at the start is
// skipped.
std::vector<SUpdateRecord> ParseUpdateRecords(std::string_view strContent);

// An update file larger than this is refused unread, like one that cannot be read: a machine's
// list of updates takes a few kilobytes, and each byte of the file may cost dozens in memory.
inline constexpr std::size_t kMaxUpdatesFileBytes = 4 * 1024 * 1024;

// The whole content of a regular file; nothing when it cannot be opened or read, or when it is
// larger than kMaxUpdatesFileBytes.
std::optional<std::string> ReadUpdatesFile(const std::string& strPath);
