#pragma once

#include "run/Requirement.h"
#include "run/TestResults.h"

#include <string_view>

// The verdict of a finished run. bWindows8OrLater: the system is at least kWindows8.
EVerdict GetVerdict(ERequirement requirement, const TestResults& results, bool bInternetConsent,
                    bool bWindows8OrLater);

std::wstring_view GetRequirementName(ERequirement requirement);
std::wstring_view GetVerdictWord(EVerdict verdict);
