#pragma once

#include <cstddef>
#include <memory>
#include <pugixml.hpp>
#include <string>
#include <vector>

// Why a report could not be parsed: the first fatal error, with the line it was found on.
struct SXmlParseError
{
    int nLine = 0;
    std::string strMessage;
};

// Parses one XML document with a conforming parser (libxml2) into the pugixml document, which
// then answers the path queries. The parser checks well-formedness in full, decodes the declared
// or detected encoding, expands the internal subset's entities within libxml2's bounds against
// expansion attacks and a bound of its own on the text they make, and never loads an external
// entity or DTD. Only what the queries and element texts need is kept: elements, their character
// data and CDATA sections (apart, since element texts are trimmed around character data only).
// The bytes are fed as they are read, so that no copy of a large report is held.
class CXmlTreeBuilder
{
public:
    explicit CXmlTreeBuilder(pugi::xml_document& document);
    CXmlTreeBuilder(const CXmlTreeBuilder&) = delete;
    CXmlTreeBuilder& operator=(const CXmlTreeBuilder&) = delete;
    ~CXmlTreeBuilder();

    // Parses the next bytes; false once the document is known not to be well-formed.
    bool Feed(const char* pData, std::size_t nBytes);
    // Ends the document. False, with the error and the document emptied, when the bytes fed were
    // not one well-formed document.
    bool Finish(SXmlParseError& error);

private:
    struct SState;
    std::unique_ptr<SState> m_pState;
};

// The whole content at once.
bool BuildXmlTree(const std::vector<char>& aContent, pugi::xml_document& document,
                  SXmlParseError& error);
