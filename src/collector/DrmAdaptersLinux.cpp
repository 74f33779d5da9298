#include "collector/DisplayAdapters.h"
#include "collector/MachineSources.h"
#include "collector/SystemFiles.h"

#include <algorithm>

namespace
{
const std::string kDrmFolder = "/sys/class/drm/";

// The bus device behind a DRM card. virtio-gpu hangs below a virtio device whose parent is the
// PCI function, so the ids are looked for there as well.
void ReadPciIds(const std::string& strDevice, SDrmAdapter& adapter)
{
    for (const std::string& strCandidate : {strDevice, strDevice + "/.."})
    {
        if (ReadLinkName(strCandidate + "/subsystem") != "pci")
        {
            continue;
        }
        adapter.m_nVendorId =
            ParseSysfsHexId(ReadSystemFile(strCandidate + "/vendor").value_or(""));
        adapter.m_nDeviceId =
            ParseSysfsHexId(ReadSystemFile(strCandidate + "/device").value_or(""));
        return;
    }
}

// Numeric order, so card2 comes before card10.
bool IsBeforeCard(const std::string& strFirst, const std::string& strSecond)
{
    if (strFirst.size() != strSecond.size())
    {
        return strFirst.size() < strSecond.size();
    }
    return strFirst < strSecond;
}
} // namespace

std::vector<SDrmAdapter> CollectDrmAdapters()
{
    std::vector<std::string> aCards = ListFolder(kDrmFolder);
    std::erase_if(aCards, [](const std::string& strName) { return !IsDrmCardName(strName); });
    std::sort(aCards.begin(), aCards.end(), IsBeforeCard);
    std::vector<SDrmAdapter> aAdapters;
    for (const std::string& strCard : aCards)
    {
        const std::string strDevice = kDrmFolder + strCard + "/device";
        SDrmAdapter adapter;
        adapter.m_strCard = strCard;
        adapter.m_strDriver = ReadLinkName(strDevice + "/driver");
        ReadPciIds(strDevice, adapter);
        aAdapters.push_back(adapter);
    }
    return aAdapters;
}

std::string ReadPciIdDatabase()
{
    for (const char* pszPath : {"/usr/share/misc/pci.ids", "/usr/share/hwdata/pci.ids"})
    {
        if (std::optional<std::string> strDatabase = ReadSystemFile(pszPath))
        {
            return *strDatabase;
        }
    }
    return {};
}
