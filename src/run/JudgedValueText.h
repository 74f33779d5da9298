#pragma once

#include "run/Requirement.h"
#include "run/TestResults.h"

#include <string>
#include <vector>

// The measured value a verdict was drawn from, as shown beside it ("feature level 12.1",
// "16384 MB", "clock 3 s behind internet time").
std::wstring FormatJudgedValue(ERequirement requirement, const TestResults& results,
                               EVerdict verdict, ESystemFamily family = ESystemFamily::Windows);

// The shortest text that reads back as the same level, always with a fraction: "12.1", "11.0".
std::wstring FormatFeatureLevelNumber(float fLevel);

// The required update articles that the search found and those it did not, in the required
// order: "4474419, 4536952 installed; 4490628 missing".
std::wstring FormatUpdatesFound(const std::vector<std::wstring>& aRequired,
                                const std::vector<std::wstring>& aFound);
