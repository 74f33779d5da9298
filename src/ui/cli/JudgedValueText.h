#pragma once

#include "run/TestResults.h"
#include "run/Verdict.h"

#include <string>

// The measured value a verdict was drawn from, as shown beside it ("feature level 12.1",
// "16384 MB"); empty for a requirement whose value is not shown.
std::wstring FormatJudgedValue(ERequirement requirement, const TestResults& results);
