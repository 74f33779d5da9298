#pragma once

#include "diagnostics/CPugiXmlDocument.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// A report larger than this is refused without being read (-998): the collector's reports take a
// few kilobytes, and parsing costs about twice the file's size in memory.
inline constexpr std::size_t kMaxReportBytes = 256 * 1024 * 1024;

// A new, empty document.
std::unique_ptr<CPugiXmlDocument> CreateXmlDocument();

// True when the file system holds an entry at the path, a directory included; a symbolic link
// counts as itself and is not followed. False for a null path.
bool FileExists(const wchar_t* pszPath);

// Parses the report at the path. Never returns null: a missing, unreadable or not well-formed
// report raises CZelSimpleException(-998, "Could not load the dxdiag XML file").
std::unique_ptr<IXmlDocument> LoadDiagnosticsReport(const std::wstring& strReportPath);

// Platform adapter: the whole content of a regular file, read without following a symbolic link
// at the path; nullopt when there is none, it cannot be read or it is larger than
// kMaxReportBytes. A report in the work folder held for the run is read through that folder.
std::optional<std::vector<char>> ReadReportFile(const std::wstring& strPath);
