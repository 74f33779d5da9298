#pragma once

#include "diagnostics/XmlDocument.h"

#include <pugixml.hpp>
#include <vector>

// A report document parsed by pugixml. The path queries are XPath, which covers the report's
// queries as written; a document type declaration is skipped and its entities are never expanded.
class CPugiXmlDocument : public IXmlReportDocument
{
public:
    bool Load(const std::wstring& strPath) override;
    // Parses the whole content (UTF-8, or UTF-16/32 with a byte-order mark), keeping it as the
    // document's storage. False when it is not one well-formed document.
    bool LoadContent(std::vector<char> aContent);
    std::unique_ptr<IXmlNodeList> SelectNodes(const wchar_t* pszQuery) const override;

private:
    std::vector<char> m_aContent;
    pugi::xml_document m_document;
};

class CPugiXmlNodeList : public IXmlNodeList
{
public:
    explicit CPugiXmlNodeList(pugi::xpath_node_set nodes) : m_nodes(std::move(nodes)) {}
    std::int32_t GetLength() const override;
    std::unique_ptr<IXmlNode> GetItem(std::int32_t nIndex) const override;

private:
    pugi::xpath_node_set m_nodes;
};

class CPugiXmlNode : public IXmlNode
{
public:
    explicit CPugiXmlNode(pugi::xml_node node) : m_node(node) {}
    std::wstring GetChildText(const wchar_t* pszChildName) const override;

private:
    pugi::xml_node m_node;
};
