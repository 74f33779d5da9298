#pragma once

#include "run/Verdict.h"
#include "ui/ResultLabels.h"

#include <array>
#include <optional>
#include <string>

// The result label with this control id of the main dialog, or null for any other control.
const SResultLabel* FindResultLabel(int nControlId);

// The requirement that the "?" button with this control id explains, or none.
std::optional<ERequirement> FindHelpButton(int nControlId);

// What assistive technology reads for a "?" button, whose text alone says nothing:
// "Explain <name>".
std::wstring GetHelpButtonName(ERequirement requirement);
