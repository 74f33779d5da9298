#pragma once

#include "support/VersionRecord.h"

#include <optional>
#include <string>

// The version words that the build embedded in the executable file at strPath; none when the
// file cannot be read or carries no version record.
std::optional<SVersionWords> ReadEmbeddedVersion(const std::wstring& strPath);
