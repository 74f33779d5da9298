#include "diagnostics/XmlDocumentLinux.h"

#include "support/RegularFileLinux.h"
#include "support/TextConvert.h"

#include <algorithm>
#include <fcntl.h>
#include <limits>
#include <string_view>

namespace
{
pugi::xml_node FindChildElement(pugi::xml_node node, const char* pszName)
{
    for (const pugi::xml_node child : node.children())
    {
        if (child.type() == pugi::node_element && std::string_view(child.name()) == pszName)
        {
            return child;
        }
    }
    return pugi::xml_node();
}

bool IsXmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The element's text as the platform parser of the Windows build gives it: the character data of
// the element and all its descendants in document order, without the white space around it. White
// space inside a CDATA section is kept, as that parser keeps it. Walked without recursion so that
// deep nesting cannot exhaust the stack.
std::string CollectText(pugi::xml_node element)
{
    std::string strText;
    std::size_t nFirst = std::string::npos; // the kept text is [nFirst, nEnd)
    std::size_t nEnd = 0;
    pugi::xml_node node = element.first_child();
    while (node)
    {
        const bool bCdata = node.type() == pugi::node_cdata;
        if (bCdata || node.type() == pugi::node_pcdata)
        {
            const std::string_view value = node.value();
            const std::size_t nBase = strText.size();
            strText += value;
            const auto itFirst =
                bCdata ? value.begin() : std::find_if_not(value.begin(), value.end(), IsXmlSpace);
            const auto itLast = bCdata ? value.rbegin()
                                       : std::find_if_not(value.rbegin(), value.rend(), IsXmlSpace);
            if (itFirst != value.end())
            {
                nFirst = std::min(nFirst, nBase + (itFirst - value.begin()));
                nEnd = nBase + (value.rend() - itLast);
            }
        }
        if (node.first_child())
        {
            node = node.first_child();
            continue;
        }
        while (node != element && !node.next_sibling())
        {
            node = node.parent();
        }
        if (node == element)
        {
            break;
        }
        node = node.next_sibling();
    }
    return nFirst == std::string::npos ? std::string() : strText.substr(nFirst, nEnd - nFirst);
}
} // namespace

std::unique_ptr<IXmlReportDocument> CreateXmlDocument()
{
    return std::make_unique<CPugiXmlDocument>();
}

bool CPugiXmlDocument::Load(const std::wstring& strPath)
{
    const bool bInFolder = m_nFolderFd >= 0;
    CXmlTreeBuilder builder(m_document);
    EFileReadError readError = EFileReadError::None;
    // The parser takes the report as it is read, so that no copy of it is held beside the tree.
    const bool bRead = ReadRegularFileChunksAt(
        bInFolder ? m_nFolderFd : AT_FDCWD, WideToUtf8(strPath), !bInFolder, kMaxReportBytes,
        [&builder](const char* pData, std::size_t nBytes) { return builder.Feed(pData, nBytes); },
        &readError);
    SXmlParseError error;
    const bool bParsed = builder.Finish(error);
    if (!bRead)
    {
        m_document.reset();
        m_strLoadError = DescribeFileReadError(readError);
        return false;
    }
    m_strLoadError = bParsed ? std::wstring() : DescribeXmlParseError(error.nLine);
    return bParsed;
}

bool CPugiXmlDocument::LoadContent(const std::vector<char>& aContent)
{
    SXmlParseError error;
    if (BuildXmlTree(aContent, m_document, error))
    {
        m_strLoadError.clear();
        return true;
    }
    m_strLoadError = DescribeXmlParseError(error.nLine);
    return false;
}

std::wstring CPugiXmlDocument::GetLoadError() const
{
    return m_strLoadError;
}

std::unique_ptr<IXmlNodeList> CPugiXmlDocument::SelectNodes(const wchar_t* pszQuery) const
{
    if (pszQuery == nullptr)
    {
        return nullptr;
    }
    try
    {
        const pugi::xpath_query query(WideToUtf8(pszQuery).c_str());
        return std::make_unique<CPugiXmlNodeList>(query.evaluate_node_set(m_document));
    }
    catch (const pugi::xpath_exception&)
    {
        return nullptr; // a query that cannot be evaluated matches nothing
    }
}

std::int32_t CPugiXmlNodeList::GetLength() const
{
    constexpr std::size_t nLargest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::min(m_nodes.size(), nLargest));
}

std::unique_ptr<IXmlNode> CPugiXmlNodeList::GetItem(std::int32_t nIndex) const
{
    if (nIndex < 0 || static_cast<std::size_t>(nIndex) >= m_nodes.size() || !m_nodes[nIndex].node())
    {
        return nullptr;
    }
    return std::make_unique<CPugiXmlNode>(m_nodes[nIndex].node());
}

std::wstring CPugiXmlNode::GetChildText(const wchar_t* pszChildName) const
{
    if (pszChildName == nullptr)
    {
        return std::wstring();
    }
    const pugi::xml_node child = FindChildElement(m_node, WideToUtf8(pszChildName).c_str());
    return child ? Utf8ToWide(CollectText(child)) : std::wstring();
}
