#pragma once

#include "ui/ProgramManual.h"

#include <vector>

// The parts of the manuals that rigvet and rigvet-cli share: the overrides and the session
// variables they read, and the files they use.
std::vector<SManualEntry> GetSharedEnvironmentEntries();
std::vector<SManualEntry> GetSharedFileEntries();
