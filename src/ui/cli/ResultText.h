#pragma once

#include "ui/cli/QualificationResult.h"

#include <string>

// The console's text for a result, UTF-8.

// One line per requirement, "<name>: PASS (<value>)", with the reason on an
// indented line below a FAIL or UNK. With bColour the verdict word is coloured as in the dialog:
// PASS green, FAIL red, UNK in the terminal's own colour.
std::string FormatRequirementRows(const SQualificationResult& result, bool bColour);

// A saved report's whole block: which file and system, then its rows, its warning or its error.
std::string FormatReportText(const SQualificationResult& result, bool bColour);
