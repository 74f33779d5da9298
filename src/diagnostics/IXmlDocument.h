#pragma once

#include <cstdint>
#include <memory>
#include <string>

// The few document queries the hardware checks need; a parser adapter implements them.
class IXmlNode
{
public:
    virtual ~IXmlNode() = default;
    // The whole text of the first child element with that name, or an empty string.
    virtual std::wstring GetChildText(const wchar_t* pszChildName) const = 0;
};

class IXmlNodeList
{
public:
    virtual ~IXmlNodeList() = default;
    virtual std::int32_t GetLength() const = 0;
    // The item at a zero-based index, or nullptr when it cannot be fetched.
    virtual std::unique_ptr<IXmlNode> GetItem(std::int32_t nIndex) const = 0;
};

class IXmlDocument
{
public:
    virtual ~IXmlDocument() = default;
    // Elements matching a path of names separated by "/" ("//" for any depth), in document
    // order; nullptr when the query yields no list.
    virtual std::unique_ptr<IXmlNodeList> SelectNodes(const wchar_t* pszQuery) const = 0;
};

// The child's text, or an empty string for a null node.
inline std::wstring GetChildText(const IXmlNode* pNode, const wchar_t* pszChildName)
{
    return pNode != nullptr ? pNode->GetChildText(pszChildName) : std::wstring();
}
