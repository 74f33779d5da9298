#pragma once

#include "ui/ProgramManual.h"

// The reference of the dialog program rigvet, for its manual page.
const SProgramManual& GetDialogManual();
