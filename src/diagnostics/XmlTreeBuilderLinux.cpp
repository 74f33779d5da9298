#include "diagnostics/XmlTreeBuilderLinux.h"

#include <algorithm>
#include <cstring>
#include <libxml/SAX2.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <limits>
#include <memory>
#include <mutex>

namespace
{
// Fed to the parser in pieces, so that it never holds a second copy of a large report.
constexpr std::size_t kChunkBytes = 64 * 1024;
// libxml2 refuses documents nested deeper than 256 elements; the platform parser of the
// Windows build has no such limit. Nesting costs the parser only a name per level.
constexpr unsigned int kMaxDepth = 1u << 20;

// The character data a document may hold for each byte of it: entities that expand to far more
// than the document itself (one large entity used many times) are an attack, not a report.
// Decoding alone yields at most 3 bytes of UTF-8 per byte (from a single-byte encoding).
constexpr std::size_t kMaxTextPerByte = 4;
constexpr std::size_t kMinTextLimit = 1024 * 1024;

struct SBuildState
{
    pugi::xml_node current;
    std::string strPendingText;
    SXmlParseError error;
    xmlParserCtxtPtr pParser = nullptr;
    std::size_t nTextLeft = kMinTextLimit; // the character data still allowed
};

SBuildState& StateOf(void* pContext)
{
    auto* pParser = static_cast<xmlParserCtxtPtr>(pContext);
    return *static_cast<SBuildState*>(pParser->_private);
}

// Adjacent character data arrives in several calls; it becomes one node.
void FlushText(SBuildState& state)
{
    if (!state.strPendingText.empty())
    {
        state.current.append_child(pugi::node_pcdata).set_value(state.strPendingText.c_str());
        state.strPendingText.clear();
    }
}

void OnStartElement(void* pContext, const xmlChar* pszLocalName, const xmlChar* pszPrefix,
                    const xmlChar*, int, const xmlChar**, int, int, const xmlChar**)
{
    SBuildState& state = StateOf(pContext);
    FlushText(state);
    std::string strName;
    if (pszPrefix != nullptr)
    {
        strName = reinterpret_cast<const char*>(pszPrefix);
        strName += ':';
    }
    strName += reinterpret_cast<const char*>(pszLocalName);
    state.current = state.current.append_child(strName.c_str());
}

void OnEndElement(void* pContext, const xmlChar*, const xmlChar*, const xmlChar*)
{
    SBuildState& state = StateOf(pContext);
    FlushText(state);
    state.current = state.current.parent();
}

// False, with the parser stopped, when the document's text has outgrown its bound.
bool TakeText(SBuildState& state, int nLength)
{
    const auto nBytes = static_cast<std::size_t>(nLength);
    if (nBytes <= state.nTextLeft)
    {
        state.nTextLeft -= nBytes;
        return true;
    }
    if (state.error.strMessage.empty())
    {
        state.error.nLine = xmlSAX2GetLineNumber(state.pParser);
        state.error.strMessage = "entities expand to more text than the document can hold";
    }
    xmlStopParser(state.pParser);
    return false;
}

void OnCharacters(void* pContext, const xmlChar* pText, int nLength)
{
    SBuildState& state = StateOf(pContext);
    if (!TakeText(state, nLength))
    {
        return;
    }
    // Character data outside the document element is white space, which is not kept.
    if (state.current.type() == pugi::node_element)
    {
        state.strPendingText.append(reinterpret_cast<const char*>(pText), nLength);
    }
}

void OnCdata(void* pContext, const xmlChar* pText, int nLength)
{
    SBuildState& state = StateOf(pContext);
    if (!TakeText(state, nLength))
    {
        return;
    }
    FlushText(state);
    state.current.append_child(pugi::node_cdata)
        .set_value(std::string(reinterpret_cast<const char*>(pText), nLength).c_str());
}

void OnError(void* pContext, xmlErrorPtr pError)
{
    if (pError == nullptr || pError->level != XML_ERR_FATAL)
    {
        return; // warnings and namespace errors leave the document well-formed
    }
    // An encoding refused while the parser is made is reported before the state is attached;
    // the parser is then marked not well-formed all the same.
    if (pContext == nullptr || static_cast<xmlParserCtxtPtr>(pContext)->_private == nullptr)
    {
        return;
    }
    SBuildState& state = StateOf(pContext);
    if (state.error.strMessage.empty())
    {
        state.error.nLine = pError->line;
        state.error.strMessage = pError->message != nullptr ? pError->message : "not well-formed";
        while (!state.error.strMessage.empty() && state.error.strMessage.back() == '\n')
        {
            state.error.strMessage.pop_back();
        }
    }
}

// The encoders report some faults only through the generic channel; the fault itself still ends
// the parse, and its reason goes into the structured error.
void IgnoreGenericError(void*, const char*, ...) {}

// No external entity, external subset or other resource is ever read.
xmlParserInputPtr RefuseExternalEntity(const char*, const char*, xmlParserCtxtPtr)
{
    return nullptr;
}

void ConfigureLibxml2Once()
{
    static std::once_flag once;
    std::call_once(once,
                   []
                   {
                       xmlInitParser();
                       xmlSetExternalEntityLoader(RefuseExternalEntity);
                       xmlParserMaxDepth = kMaxDepth;
                   });
}

xmlSAXHandler MakeHandler()
{
    xmlSAXHandler handler;
    // The defaults keep the document type's entity declarations, which the parser expands.
    xmlSAXVersion(&handler, 2);
    handler.startElementNs = OnStartElement;
    handler.endElementNs = OnEndElement;
    handler.characters = OnCharacters;
    handler.ignorableWhitespace = OnCharacters;
    handler.cdataBlock = OnCdata;
    handler.comment = nullptr;
    handler.processingInstruction = nullptr;
    handler.serror = OnError;
    handler.error = nullptr;
    handler.warning = nullptr;
    handler.fatalError = nullptr;
    return handler;
}

struct SParserDeleter
{
    void operator()(xmlParserCtxtPtr pParser) const
    {
        if (pParser->myDoc != nullptr)
        {
            xmlFreeDoc(pParser->myDoc); // the document type and its entities
        }
        xmlFreeParserCtxt(pParser);
    }
};
} // namespace

struct CXmlTreeBuilder::SState : SBuildState
{
    explicit SState(pugi::xml_document& target) : document(target) {}

    pugi::xml_document& document;
    xmlSAXHandler handler = MakeHandler();
    std::unique_ptr<xmlParserCtxt, SParserDeleter> pContext;
    std::string strHead; // the first bytes, until there are enough to tell the encoding
    bool bFailed = false;

    // The parser starts with the first four bytes, from which it tells the encoding.
    bool Start()
    {
        pContext.reset(xmlCreatePushParserCtxt(&handler, nullptr, strHead.data(),
                                               static_cast<int>(strHead.size()), nullptr));
        if (!pContext)
        {
            error.strMessage = "the XML parser could not be started";
            return false;
        }
        pContext->_private = static_cast<SBuildState*>(this);
        pParser = pContext.get();
        xmlCtxtUseOptions(pParser, XML_PARSE_NOENT | XML_PARSE_NONET);
        return true;
    }

    bool Parse(const char* pData, std::size_t nBytes, bool bLast)
    {
        xmlParseChunk(pParser, pData, static_cast<int>(nBytes), bLast ? 1 : 0);
        bFailed = bFailed || !pParser->wellFormed || pParser->disableSAX != 0 ||
                  !error.strMessage.empty();
        return !bFailed;
    }
};

CXmlTreeBuilder::CXmlTreeBuilder(pugi::xml_document& document)
    : m_pState(std::make_unique<SState>(document))
{
    ConfigureLibxml2Once();
    xmlSetGenericErrorFunc(nullptr, IgnoreGenericError); // per thread
    document.reset();
    m_pState->current = document;
}

CXmlTreeBuilder::~CXmlTreeBuilder() = default;

bool CXmlTreeBuilder::Feed(const char* pData, std::size_t nBytes)
{
    SState& state = *m_pState;
    if (state.bFailed)
    {
        return false;
    }
    state.nTextLeft += std::min(nBytes, std::numeric_limits<std::size_t>::max() / kMaxTextPerByte) *
                       kMaxTextPerByte;
    constexpr std::size_t kHeadBytes = 4;
    while (!state.pContext && nBytes > 0)
    {
        state.strHead += *pData++;
        --nBytes;
        if (state.strHead.size() == kHeadBytes && !state.Start())
        {
            state.bFailed = true;
            return false;
        }
    }
    // Each piece at most one chunk, so that the parser's own buffer stays small.
    while (state.pContext && nBytes > 0)
    {
        const std::size_t nPiece = std::min(nBytes, kChunkBytes);
        if (!state.Parse(pData, nPiece, false))
        {
            return false;
        }
        pData += nPiece;
        nBytes -= nPiece;
    }
    return true;
}

bool CXmlTreeBuilder::Finish(SXmlParseError& error)
{
    SState& state = *m_pState;
    if (!state.bFailed && !state.pContext && !state.Start())
    {
        state.bFailed = true;
    }
    if (!state.bFailed)
    {
        state.Parse(nullptr, 0, true);
    }
    error = state.error;
    if (state.bFailed && error.strMessage.empty())
    {
        error.strMessage = "not well-formed";
    }
    if (state.bFailed)
    {
        state.document.reset();
    }
    return !state.bFailed;
}

bool BuildXmlTree(const std::vector<char>& aContent, pugi::xml_document& document,
                  SXmlParseError& error)
{
    CXmlTreeBuilder builder(document);
    builder.Feed(aContent.data(), aContent.size());
    return builder.Finish(error);
}
