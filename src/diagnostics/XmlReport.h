#pragma once

#include "diagnostics/IXmlDocument.h"

#include <memory>
#include <string>

// Parses the report at the path. Never returns null: a missing, unreadable or not well-formed
// report raises CZelSimpleException(-998, "Could not load the dxdiag XML file"), whose detail
// says why.
std::unique_ptr<IXmlDocument> LoadDiagnosticsReport(const std::wstring& strReportPath);
