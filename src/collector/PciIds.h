#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct SPciNames
{
    std::string m_strVendor; // empty when the database does not know the vendor
    std::string m_strDevice; // empty when it does not know the device
};

// Looks a vendor and device up in the text of the PCI id database (pci.ids): vendor lines
// "8086  Intel Corporation", device lines under them "\t1912  HD Graphics 530".
SPciNames LookUpPciNames(std::string_view strDatabase, std::uint16_t nVendorId,
                         std::uint16_t nDeviceId);
