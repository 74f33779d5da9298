#pragma once

#include "diagnostics/XmlDocument.h"
#include "diagnostics/XmlTreeBuilderLinux.h"

#include <pugixml.hpp>
#include <vector>

// A report document: parsed by libxml2, held and queried by pugixml. The path queries are XPath,
// which covers the report's queries as written.
class CPugiXmlDocument : public IXmlReportDocument
{
public:
    CPugiXmlDocument() = default;
    // A document that loads names inside the open folder, never through a symbolic link there.
    explicit CPugiXmlDocument(int nFolderFd) : m_nFolderFd(nFolderFd) {}

    bool Load(const std::wstring& strPath) override;
    std::wstring GetLoadError() const override;
    // Parses the whole content in any encoding the parser knows. False when it is not one
    // well-formed document.
    bool LoadContent(const std::vector<char>& aContent);
    std::unique_ptr<IXmlNodeList> SelectNodes(const wchar_t* pszQuery) const override;

private:
    int m_nFolderFd = -1;
    pugi::xml_document m_document;
    std::wstring m_strLoadError;
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
