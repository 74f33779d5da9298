#pragma once

#include "ui/ProgramManual.h"

// The reference of rigvet-cli: its --help text and its manual page are made from it.
const SProgramManual& GetCliManual();
