#include "collector/PciIds.h"

#include "collector/CollectorText.h"

#include <charconv>
#include <optional>

namespace
{
// The four-digit hexadecimal id that starts an entry, followed by its name after blanks.
std::optional<std::uint16_t> ParseEntryId(std::string_view strEntry, std::string_view& strName)
{
    if (strEntry.size() < 5 || (strEntry[4] != ' ' && strEntry[4] != '\t'))
    {
        return std::nullopt;
    }
    std::uint16_t nId = 0;
    const auto [pStop, error] = std::from_chars(strEntry.data(), strEntry.data() + 4, nId, 16);
    if (error != std::errc() || pStop != strEntry.data() + 4)
    {
        return std::nullopt;
    }
    strName = TrimText(strEntry.substr(5));
    return nId;
}
} // namespace

SPciNames LookUpPciNames(std::string_view strDatabase, std::uint16_t nVendorId,
                         std::uint16_t nDeviceId)
{
    SPciNames names;
    bool bInVendor = false;
    while (!strDatabase.empty())
    {
        const std::size_t nEnd = strDatabase.find('\n');
        const std::string_view strLine = strDatabase.substr(0, nEnd);
        strDatabase.remove_prefix(nEnd == std::string_view::npos ? strDatabase.size() : nEnd + 1);
        if (strLine.empty() || strLine[0] == '#')
        {
            continue;
        }
        std::string_view strName;
        if (strLine[0] != '\t')
        {
            if (bInVendor || strLine.starts_with("C "))
            {
                break; // past the vendor's block, or into the device class list
            }
            bInVendor = ParseEntryId(strLine, strName) == nVendorId;
            if (bInVendor)
            {
                names.m_strVendor = strName;
            }
        }
        else if (bInVendor && strLine.size() > 1 && strLine[1] != '\t' &&
                 ParseEntryId(strLine.substr(1), strName) == nDeviceId)
        {
            names.m_strDevice = strName;
            break;
        }
    }
    return names;
}
