#pragma once

#include "collector/DiagnosticsReport.h"

#include <string>

// The whole report as a UTF-8 XML document with root element DxDiag, in the diagnostic tool's
// layout. Every text is sanitised, so any name read from the system gives a well-formed document.
std::string FormatReportXml(const SDiagnosticsReport& report,
                            const std::string& strCollectorVersion);
