#pragma once

#include "diagnostics/IXmlDocument.h"

#include <memory>
#include <string>

// True when the file system holds an entry at the path, a directory included; a symbolic link
// counts as itself and is not followed. False for a null path. Implemented by the platform adapter.
bool FileExists(const wchar_t* pszPath);

// Parses the report at the path. Never returns null: a missing, unreadable or not well-formed
// report raises CZelSimpleException(-998, "Could not load the dxdiag XML file").
std::unique_ptr<IXmlDocument> LoadDiagnosticsReport(const std::wstring& strReportPath);

// Platform adapter: the whole file at the path parsed into a new document, read once before any
// query; nullptr when no document can be made or the file cannot be read or is not one
// well-formed document.
std::unique_ptr<IXmlDocument> LoadXmlDocument(const std::wstring& strPath);
