#pragma once

#include "ui/cli/FleetSummary.h"
#include "ui/cli/QualificationResult.h"

#include <string>
#include <vector>

// A CSV file that gave no rows to the summary, and why.
struct SUnreadableCsv
{
    std::string strPath;
    std::string strMessage;
};

// The summary as text: the counts of machines by state, then per requirement its counts and the
// machines that failed it.
std::string FormatSummaryText(const SFleetSummary& summary,
                              const std::vector<SUnreadableCsv>& aUnreadable);

// The same as one JSON object (formatVersion 1, "kind": "summary").
std::string FormatSummaryJson(const SFleetSummary& summary,
                              const std::vector<SUnreadableCsv>& aUnreadable,
                              const SResultContext& context);
