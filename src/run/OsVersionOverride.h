#pragma once

#include "run/OsVersion.h"

// Linux answers as Windows 8 or later; this variable makes it answer as another Windows version
// ("6.1.1" is Windows 7 SP1), so the Windows 7 paths can be run as a whole program.
inline constexpr const char* kOsVersionVariable = "RIGVET_OS_VERSION";

std::optional<SOsVersion> GetOsVersionOverride();

// True when the variable is set to something that is not "major.minor.servicepack".
bool IsOsVersionOverrideInvalid();
