#pragma once

#include "ui/cli/QualificationResult.h"

// The names that scripts read in the JSON and CSV output; they never change within a format
// version.

// The JSON key of a requirement, as its descriptor names it.
const char* GetRequirementId(ERequirement requirement);

// "finished", "error", "refused", "cancelled".
const char* GetOutcomeId(EResultOutcome outcome);

// "remoteSession", "oldSystem", "cancelled"; empty for none.
const char* GetStopId(ERunStop stop);
