#include "diagnostics/XmlDocumentLinux.h"

#include "diagnostics/CheckedWorkFolderLinux.h"
#include "support/RegularFileLinux.h"
#include "support/TextConvert.h"

#include <limits>

namespace
{
// As a fragment, text outside the top element is kept instead of dropped, so that the check
// below can refuse it. An element's leading text is stored in the element itself rather than in
// a node of its own, which about halves the memory of a report of many small elements.
constexpr unsigned int kParseOptions =
    pugi::parse_default | pugi::parse_fragment | pugi::parse_embed_pcdata;

// Well-formed means exactly one element at the top, with nothing but markup around it.
bool HasOneDocumentElement(const pugi::xml_document& document)
{
    int nElements = 0;
    for (const pugi::xml_node node : document.children())
    {
        if (node.type() == pugi::node_element)
        {
            ++nElements;
        }
        else if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
        {
            return false;
        }
    }
    return nElements == 1;
}

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

// The character data of the element and all its descendants in document order, walked without
// recursion so that deep nesting cannot exhaust the stack. An element's value is its embedded
// leading text, which comes before its children.
std::string CollectText(pugi::xml_node element)
{
    std::string strText = element.value();
    pugi::xml_node node = element.first_child();
    while (node)
    {
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata ||
            node.type() == pugi::node_element)
        {
            strText += node.value();
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
    return strText;
}
} // namespace

std::unique_ptr<IXmlReportDocument> CreateXmlDocument()
{
    return std::make_unique<CPugiXmlDocument>();
}

bool CPugiXmlDocument::Load(const std::wstring& strPath)
{
    const SReachedPath path = ReachPath(WideToUtf8(strPath));
    std::optional<std::vector<char>> aContent =
        ReadRegularFileAt(path.nFolderFd, path.strName, false, kMaxReportBytes);
    return aContent && LoadContent(std::move(*aContent));
}

bool CPugiXmlDocument::LoadContent(std::vector<char> aContent)
{
    m_aContent = std::move(aContent);
    // Parsing in place overwrites the buffer's last character with the terminator, which would
    // hide a last character of text after the top element; a terminator of the widest encoding
    // (UTF-32) takes that place instead.
    m_aContent.insert(m_aContent.end(), 4, '\0');
    const pugi::xml_parse_result result = m_document.load_buffer_inplace(
        m_aContent.data(), m_aContent.size(), kParseOptions, pugi::encoding_auto);
    return result && HasOneDocumentElement(m_document);
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
