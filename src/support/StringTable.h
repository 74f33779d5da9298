#pragma once

#include <optional>
#include <string>

// Platform adapter: the program's own string-table entry, unformatted, or nothing when the table
// does not hold the id. Entries longer than the loader's limit may come back cut.
std::optional<std::wstring> LoadStringTableEntry(unsigned int nId);
