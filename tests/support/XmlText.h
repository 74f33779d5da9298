#pragma once

#include "diagnostics/XmlDocument.h"

#include <memory>
#include <string>

// A document of this platform's parser loaded from the text, through a file as reports are;
// nullptr when the parser refuses it.
std::unique_ptr<IXmlReportDocument> LoadXmlText(const std::string& strXml);
