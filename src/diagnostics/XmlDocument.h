#pragma once

#include "diagnostics/IXmlDocument.h"

#include <cstddef>
#include <memory>
#include <string>

// A report larger than this is refused without being read (-998): the collector's reports take a
// few kilobytes, and parsing costs about twice the file's size in memory.
inline constexpr std::size_t kMaxReportBytes = 256 * 1024 * 1024;

// A document of this platform's XML parser, into which a report file is loaded.
class IXmlReportDocument : public IXmlDocument
{
public:
    // Replaces the content with the file's, read once and in full; false when the file cannot be
    // read, is larger than kMaxReportBytes (known before it is read) or is not one well-formed
    // document. The path is the user's and a symbolic link in it is followed; the work folder's
    // own document reads the report's name inside the folder held for the run, and follows none.
    virtual bool Load(const std::wstring& strPath) = 0;
    // Why the last Load failed ("Permission denied", "not well-formed XML at line 3"); empty
    // after a successful one.
    virtual std::wstring GetLoadError() const = 0;
};

// Platform adapter: a new, empty document; nullptr when the parser cannot be created.
std::unique_ptr<IXmlReportDocument> CreateXmlDocument();
