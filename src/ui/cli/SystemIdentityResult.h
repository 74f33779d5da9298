#pragma once

#include "diagnostics/SystemIdentity.h"
#include "ui/cli/QualificationResult.h"

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

// The machine's identity in the console's outputs: the JSON "system" object and the CSV
// columns manufacturer, model and display_adapters.

// Keeps the identity in the result; a display that FAILs or is UNK for want of a Vulkan loader
// or driver gets the collector's note (which names the package to install) in its reason.
void AttachSystemIdentity(SQualificationResult& result, const SSystemIdentity& identity);

// The "system" object, or null when no report was read.
nlohmann::ordered_json BuildSystemJson(const std::optional<SSystemIdentity>& system);

std::vector<std::string> GetSystemCsvColumns();
// The manufacturer, the model and the adapters ("name (driver version)" joined by "; "), as CSV
// text fields; empty when no report was read.
std::vector<std::string> FormatSystemCsvFields(const std::optional<SSystemIdentity>& system);
