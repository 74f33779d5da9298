#pragma once

#include <pugixml.hpp>
#include <string>
#include <vector>

// Why a report could not be parsed: the first fatal error, with the line it was found on.
struct SXmlParseError
{
    int nLine = 0;
    std::string strMessage;
};

// Parses the bytes of one XML document with a conforming parser (libxml2) into the pugixml
// document, which then answers the path queries. The parser checks well-formedness in full,
// decodes the declared or detected encoding, expands the internal subset's entities within
// libxml2's bounds against expansion attacks, and never loads an external entity or DTD. Only
// what the queries and element texts need is kept: elements, their character data and CDATA
// sections (apart, since element texts are trimmed around character data only). False, with
// the error, when the bytes are not one well-formed document.
bool BuildXmlTree(const std::vector<char>& aContent, pugi::xml_document& document,
                  SXmlParseError& error);
