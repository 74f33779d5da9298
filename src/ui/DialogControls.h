#pragma once

#include "run/Verdict.h"
#include "ui/DialogIds.h"
#include "ui/ResultLabels.h"

#include <array>
#include <optional>
#include <string>

// A "?" button of the main dialog and the requirement it explains.
struct SHelpButton
{
    ERequirement requirement;
    int nControlId;
};

inline constexpr std::array<SHelpButton, 6> g_aHelpButtons = {{
    {ERequirement::Display, IDC_HELP_DISPLAY},
    {ERequirement::Sound, IDC_HELP_SOUND},
    {ERequirement::Updates, IDC_HELP_UPDATES},
    {ERequirement::Memory, IDC_HELP_MEMORY},
    {ERequirement::FreeDisk, IDC_HELP_DISK},
    {ERequirement::Clock, IDC_HELP_CLOCK},
}};

// The result label with this control id of the main dialog, or null for any other control.
const SResultLabel* FindResultLabel(int nControlId);

// The requirement that the "?" button with this control id explains, or none.
std::optional<ERequirement> FindHelpButton(int nControlId);

// What assistive technology reads for a "?" button, whose text alone says nothing:
// "Explain Display Device".
std::wstring GetHelpButtonName(ERequirement requirement);
