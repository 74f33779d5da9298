#include "diagnostics/XmlDocument.h"
#include "support/ComObjectsWin32.h"
#include "support/RegularFile.h"
#include "support/TextConvert.h"

#include <msxml.h>
#include <optional>
#include <shlwapi.h>

// The report's document through MSXML's DOM. COM must be usable on the calling thread; the front
// end initialises it.
namespace
{
class CMsXmlNode : public IXmlNode
{
public:
    explicit CMsXmlNode(CComRef<IXMLDOMNode> pNode) : m_pNode(std::move(pNode)) {}
    std::wstring GetChildText(const wchar_t* pszChildName) const override;

private:
    CComRef<IXMLDOMNode> m_pNode;
};

class CMsXmlNodeList : public IXmlNodeList
{
public:
    explicit CMsXmlNodeList(CComRef<IXMLDOMNodeList> pList) : m_pList(std::move(pList)) {}
    std::int32_t GetLength() const override;
    std::unique_ptr<IXmlNode> GetItem(std::int32_t nIndex) const override;

private:
    CComRef<IXMLDOMNodeList> m_pList;
};

class CMsXmlDocument : public IXmlReportDocument
{
public:
    explicit CMsXmlDocument(CComRef<IXMLDOMDocument> pDocument) : m_pDocument(std::move(pDocument))
    {
    }
    bool Load(const std::wstring& strPath) override;
    std::wstring GetLoadError() const override;
    std::unique_ptr<IXmlNodeList> SelectNodes(const wchar_t* pszQuery) const override;

private:
    bool LoadBytes(const std::vector<char>& aContent);

    CComRef<IXMLDOMDocument> m_pDocument;
    std::wstring m_strLoadError;
};

std::wstring CMsXmlNode::GetChildText(const wchar_t* pszChildName) const
{
    if (!m_pNode || pszChildName == nullptr)
    {
        return std::wstring();
    }
    const CBstr query(pszChildName);
    CComRef<IXMLDOMNode> pChild;
    if (m_pNode->selectSingleNode(query.Get(), pChild.Receive()) != S_OK || !pChild)
    {
        return std::wstring();
    }
    // The report's elements declare no data type, so their typed value is their text.
    CVariant value;
    if (SUCCEEDED(pChild->get_nodeTypedValue(value.Receive())) && value.Get().vt == VT_BSTR)
    {
        const BSTR bstrValue = value.Get().bstrVal;
        return bstrValue != nullptr ? std::wstring(bstrValue, SysStringLen(bstrValue))
                                    : std::wstring();
    }
    CBstr text;
    pChild->get_text(text.Receive());
    return text.ToString();
}

std::int32_t CMsXmlNodeList::GetLength() const
{
    long nLength = 0;
    m_pList->get_length(&nLength);
    return static_cast<std::int32_t>(nLength);
}

std::unique_ptr<IXmlNode> CMsXmlNodeList::GetItem(std::int32_t nIndex) const
{
    CComRef<IXMLDOMNode> pNode;
    m_pList->get_item(nIndex, pNode.Receive());
    if (!pNode)
    {
        return nullptr;
    }
    return std::make_unique<CMsXmlNode>(std::move(pNode));
}

bool CMsXmlDocument::Load(const std::wstring& strPath)
{
    // MSXML's load takes a URL and would decode "%20" in a file name, so the file is read here,
    // as a file name, and parsed from its bytes, whose declared encoding MSXML still honours.
    // MSXML keeps the whole document in memory, several times the file: an oversized report is
    // refused before it is read.
    EFileReadError readError = EFileReadError::None;
    const std::optional<std::vector<char>> aContent =
        ReadRegularFile(WideToUtf8(strPath), true, kMaxReportBytes, &readError);
    if (!aContent)
    {
        m_strLoadError = DescribeFileReadError(readError);
        return false;
    }
    if (!LoadBytes(*aContent))
    {
        long nLine = 0;
        CComRef<IXMLDOMParseError> pError;
        if (m_pDocument->get_parseError(pError.Receive()) == S_OK && pError)
        {
            pError->get_line(&nLine);
        }
        m_strLoadError = DescribeXmlParseError(static_cast<int>(nLine));
        return false;
    }
    m_strLoadError.clear();
    return true;
}

bool CMsXmlDocument::LoadBytes(const std::vector<char>& aContent)
{
    static const BYTE kNoBytes = 0;
    CComRef<IStream> pStream;
    *pStream.Receive() = SHCreateMemStream(
        aContent.empty() ? &kNoBytes : reinterpret_cast<const BYTE*>(aContent.data()),
        static_cast<UINT>(aContent.size()));
    if (!pStream)
    {
        return false;
    }
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_UNKNOWN;
    source.punkVal = pStream.Get(); // borrowed: the stream outlives the call
    VARIANT_BOOL bLoaded = VARIANT_FALSE;
    // Only the success flag tells; the status is not examined.
    m_pDocument->load(source, &bLoaded);
    return bLoaded == VARIANT_TRUE;
}

std::wstring CMsXmlDocument::GetLoadError() const
{
    return m_strLoadError;
}

std::unique_ptr<IXmlNodeList> CMsXmlDocument::SelectNodes(const wchar_t* pszQuery) const
{
    if (pszQuery == nullptr)
    {
        return nullptr;
    }
    const CBstr query(pszQuery);
    CComRef<IXMLDOMNodeList> pList;
    m_pDocument->selectNodes(query.Get(), pList.Receive());
    if (!pList)
    {
        return nullptr;
    }
    return std::make_unique<CMsXmlNodeList>(std::move(pList));
}

CComRef<IXMLDOMNode> CreateNode(IXMLDOMDocument& document, long nType, const wchar_t* pszName)
{
    VARIANT type;
    VariantInit(&type);
    type.vt = VT_I4;
    type.lVal = nType;
    const CBstr name(pszName);
    const CBstr noNamespace(L"");
    CComRef<IXMLDOMNode> pNode;
    document.createNode(type, name.Get(), noNamespace.Get(), pNode.Receive());
    return pNode;
}

// The xml processing instruction with its Version attribute, first child of the document.
bool AppendXmlDeclaration(IXMLDOMDocument& document)
{
    const CComRef<IXMLDOMNode> pInstruction =
        CreateNode(document, NODE_PROCESSING_INSTRUCTION, L"xml");
    const CComRef<IXMLDOMNode> pVersion = CreateNode(document, NODE_ATTRIBUTE, L"Version");
    if (!pInstruction || !pVersion)
    {
        return false;
    }
    const CBstr version(L"1.0");
    if (FAILED(pVersion->put_text(version.Get())))
    {
        return false;
    }
    CComRef<IXMLDOMNamedNodeMap> pAttributes;
    pInstruction->get_attributes(pAttributes.Receive());
    if (!pAttributes)
    {
        return false;
    }
    // Some MSXML implementations (Wine's) do not implement attributes on a processing
    // instruction. Loading a file replaces the declaration anyway, so only that answer is let
    // pass; every other failure still means no document.
    const HRESULT hrAttribute = pAttributes->setNamedItem(pVersion.Get(), nullptr);
    return (SUCCEEDED(hrAttribute) || hrAttribute == E_NOTIMPL) &&
           SUCCEEDED(document.appendChild(pInstruction.Get(), nullptr));
}

} // namespace

std::unique_ptr<IXmlReportDocument> CreateXmlDocument()
{
    CLSID classId{};
    if (FAILED(CLSIDFromProgID(L"MSXML.DomDocument", &classId)))
    {
        return nullptr;
    }
    CComRef<IXMLDOMDocument> pDocument;
    if (FAILED(CoCreateInstance(classId, nullptr, CLSCTX_ALL, IID_IXMLDOMDocument,
                                pDocument.ReceiveVoid())) ||
        !pDocument || !AppendXmlDeclaration(*pDocument.Get()))
    {
        return nullptr;
    }
    return std::make_unique<CMsXmlDocument>(std::move(pDocument));
}
