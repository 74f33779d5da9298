#pragma once

#include "run/TestResults.h"
#include "run/Verdict.h"

#include <string>

// The measured value a verdict was drawn from, as shown beside it ("feature level 12.1",
// "16384 MB", "clock 3 s behind internet time"); empty where there is nothing to show (the
// updates on a system that needs none).
std::wstring FormatJudgedValue(ERequirement requirement, const TestResults& results,
                               EVerdict verdict);
