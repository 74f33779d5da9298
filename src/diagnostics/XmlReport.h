#pragma once

#include "diagnostics/IXmlDocument.h"

#include <memory>
#include <string>

class IXmlReportDocument;

// Parses the report at the path. Never returns null: a missing, unreadable or not well-formed
// report raises CZelSimpleException(-998, "Could not load the dxdiag XML file"), whose detail
// says why.
std::unique_ptr<IXmlDocument> LoadDiagnosticsReport(const std::wstring& strReportPath);

// The same, into a document that reaches the report its own way (a null one: the parser could
// not be created), with its reader's answer whether the report is there.
std::unique_ptr<IXmlDocument> LoadReportInto(std::unique_ptr<IXmlReportDocument> pDocument,
                                             const std::wstring& strReportPath, bool bExists);
