#pragma once

#include "diagnostics/IXmlDocument.h"

#include <memory>
#include <string>

// A document of this platform's XML parser, into which a report file is loaded.
class IXmlReportDocument : public IXmlDocument
{
public:
    // Replaces the content with the file's, read once and in full; false when the file cannot be
    // read or is not one well-formed document. A symbolic link at the path is not followed.
    virtual bool Load(const std::wstring& strPath) = 0;
};

// Platform adapter: a new, empty document; nullptr when the parser cannot be created.
std::unique_ptr<IXmlReportDocument> CreateXmlDocument();
