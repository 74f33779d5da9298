#include "collector/VulkanDrivers.h"

#include <gtest/gtest.h>

namespace
{
SDrmAdapter MakeAdapter(std::uint16_t nVendorId, std::uint16_t nDeviceId, const char* pszDriver)
{
    SDrmAdapter adapter;
    adapter.m_nVendorId = nVendorId;
    adapter.m_nDeviceId = nDeviceId;
    adapter.m_strDriver = pszDriver;
    return adapter;
}

SDrmAdapter MakeFirmware(const char* pszDriver)
{
    SDrmAdapter adapter;
    adapter.m_strDriver = pszDriver;
    return adapter;
}

struct SFilterCase
{
    std::vector<SDrmAdapter> aAdapters;
    bool bProbe;
    std::string strFilter;
};

class VulkanDrivers : public ::testing::TestWithParam<SFilterCase>
{
};
} // namespace

TEST_P(VulkanDrivers, LoadsOnlyTheDriversOfThePresentHardware)
{
    const SVulkanDriverChoice choice = ChooseVulkanDrivers(GetParam().aAdapters);
    EXPECT_EQ(choice.m_bProbe, GetParam().bProbe);
    EXPECT_EQ(choice.m_strFilter, GetParam().strFilter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VulkanDrivers,
    ::testing::Values(
        SFilterCase{{MakeAdapter(0x8086, 0x3e92, "i915")}, true, "*intel_icd*,*intel_hasvk_icd*"},
        SFilterCase{{MakeAdapter(0x1002, 0x73bf, "amdgpu")}, true, "*radeon_icd*,*amd*_icd*"},
        SFilterCase{{MakeAdapter(0x8086, 0x9a49, "i915"), MakeAdapter(0x10de, 0x2484, "nvidia")},
                    true,
                    "*intel_icd*,*intel_hasvk_icd*,*nvidia_icd*"},
        // Two adapters of one kind name their drivers once.
        SFilterCase{{MakeAdapter(0x1002, 0x73bf, "amdgpu"), MakeAdapter(0x1002, 0x1638, "amdgpu")},
                    true,
                    "*radeon_icd*,*amd*_icd*"},
        // Firmware and virtual adapters are not asked, so they add no driver.
        SFilterCase{{MakeFirmware("simpledrm"), MakeAdapter(0x10de, 0x2484, "nouveau")},
                    true,
                    "*nouveau_icd*,*nvidia_icd*"},
        SFilterCase{{MakeFirmware("simpledrm"), MakeAdapter(0x1af4, 0x1050, "virtio-pci"),
                     MakeAdapter(0x15ad, 0x0405, "vmwgfx")},
                    false,
                    ""},
        SFilterCase{{}, false, ""},
        // Server graphics without any Vulkan driver need no probe.
        SFilterCase{{MakeAdapter(0x1a03, 0x2000, "ast")}, false, ""},
        SFilterCase{{MakeAdapter(0x1a03, 0x2000, "ast"), MakeAdapter(0x10de, 0x2484, "nvidia")},
                    true,
                    "*nvidia_icd*"},
        // A kernel driver not known here, or none at all, leaves every driver in.
        SFilterCase{
            {MakeAdapter(0x8086, 0x3e92, "i915"), MakeAdapter(0x5143, 0x1000, "newgpu")}, true, ""},
        SFilterCase{{MakeAdapter(0x10de, 0x2484, "")}, true, ""}));
