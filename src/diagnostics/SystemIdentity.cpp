#include "diagnostics/SystemIdentity.h"

#include "diagnostics/HardwareChecks.h"

#include <algorithm>

namespace
{
std::vector<std::unique_ptr<IXmlNode>> SelectAll(const IXmlDocument& document,
                                                 const wchar_t* pszQuery)
{
    std::vector<std::unique_ptr<IXmlNode>> aNodes;
    const std::unique_ptr<IXmlNodeList> pList = document.SelectNodes(pszQuery);
    const std::int32_t nLength = pList != nullptr ? pList->GetLength() : 0;
    for (std::int32_t i = 0; i < nLength; ++i)
    {
        std::unique_ptr<IXmlNode> pItem = pList->GetItem(i);
        if (pItem != nullptr)
        {
            aNodes.push_back(std::move(pItem));
        }
    }
    return aNodes;
}

SDisplayAdapterIdentity ReadAdapter(const IXmlNode& node)
{
    SDisplayAdapterIdentity adapter;
    adapter.strName = node.GetChildText(L"CardName");
    adapter.strDriverVersion = node.GetChildText(L"DriverVersion");
    ParseFeatureLevels(node.GetChildText(L"FeatureLevels"), adapter.fFeatureLevel);
    adapter.bVirtual = IsVirtualAdapterName(adapter.strName);
    adapter.strNote = node.GetChildText(L"Notes");
    return adapter;
}
} // namespace

SSystemIdentity ReadSystemIdentity(const IXmlDocument& document)
{
    SSystemIdentity identity;
    const std::vector<std::unique_ptr<IXmlNode>> aSystem =
        SelectAll(document, L"DxDiag/SystemInformation");
    if (!aSystem.empty())
    {
        identity.strManufacturer = aSystem.front()->GetChildText(L"SystemManufacturer");
        identity.strModel = aSystem.front()->GetChildText(L"SystemModel");
        identity.strOperatingSystem = aSystem.front()->GetChildText(L"OperatingSystem");
    }
    for (const auto& pNode : SelectAll(document, L"DxDiag/DisplayDevices/DisplayDevice"))
    {
        identity.aDisplayAdapters.push_back(ReadAdapter(*pNode));
    }
    for (const auto& pNode : SelectAll(document, L"DxDiag/DirectSound/SoundDevices/SoundDevice"))
    {
        identity.aSoundDevices.push_back(pNode->GetChildText(L"Description"));
    }
    return identity;
}

std::wstring FindDisplayNote(const SSystemIdentity& identity)
{
    const auto it =
        std::find_if(identity.aDisplayAdapters.begin(), identity.aDisplayAdapters.end(),
                     [](const SDisplayAdapterIdentity& adapter)
                     { return adapter.fFeatureLevel == 0.0f && !adapter.strNote.empty(); });
    return it != identity.aDisplayAdapters.end() ? it->strNote : std::wstring();
}
