#pragma once

#include "run/RequirementResult.h"

#include <string_view>

// The class of the system a saved report describes, read from its OperatingSystem text. The
// Windows tool writes the name and then the version in parentheses, "Windows 10 Pro 64-bit (10.0,
// Build 19045)": the version decides when it is there (so translated names are read too), else
// the name ("Windows 7", "Windows Server 2012"). Windows 6.1 before build 7601 has no Service
// Pack 1 and counts as older. A text that names Linux comes from rigvet-dxdiag. Anything else is
// Unknown.
ESystemClass ClassifyOperatingSystem(std::wstring_view strText);

// "windows7", "windows8OrLater", "olderThanWindows7Sp1", "linux", "unknown".
std::wstring_view GetSystemClassId(ESystemClass systemClass);

// True when the class is judged by the Windows 8-or-later rules (Linux answers as such).
bool UsesWindows8Rules(ESystemClass systemClass);
