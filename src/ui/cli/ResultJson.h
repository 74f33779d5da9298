#pragma once

#include "ui/cli/QualificationResult.h"

#include <string>
#include <vector>

// The version of the JSON shape that rigvet-cli writes; raised only when a field changes meaning
// or goes away (new fields may be added within a version).
inline constexpr int kResultJsonVersion = 1;

// One result as a JSON object (see doc/cli.md "JSON output"), pretty-printed, UTF-8, with a final
// line break.
std::string FormatResultJson(const SQualificationResult& result, const SResultContext& context);

// Several results as a JSON array of such objects.
std::string FormatResultJsonArray(const std::vector<SQualificationResult>& aResults,
                                  const SResultContext& context);
