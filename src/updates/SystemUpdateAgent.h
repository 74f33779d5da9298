#pragma once

#include "updates/IUpdateAgent.h"

#include <memory>

// Linux has no Windows Update Agent; when it answers as Windows 7 (RIGVET_OS_VERSION), the
// updates it reports come from the file this variable names.
inline constexpr const char* kUpdatesFileVariable = "RIGVET_UPDATES_FILE";

// The update agent of this platform.
std::unique_ptr<IUpdateAgent> CreateSystemUpdateAgent();
