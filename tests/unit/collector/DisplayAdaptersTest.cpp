#include "collector/DisplayAdapters.h"

#include "unit/collector/CollectorFixtures.h"

#include <gtest/gtest.h>

namespace
{
SDrmAdapter MakePciAdapter(std::uint16_t nVendorId, std::uint16_t nDeviceId, const char* pszDriver)
{
    SDrmAdapter adapter;
    adapter.m_strCard = "card0";
    adapter.m_nVendorId = nVendorId;
    adapter.m_nDeviceId = nDeviceId;
    adapter.m_strDriver = pszDriver;
    return adapter;
}

SDrmAdapter MakeFirmwareAdapter(const char* pszDriver)
{
    SDrmAdapter adapter;
    adapter.m_strCard = "card0";
    adapter.m_strDriver = pszDriver;
    return adapter;
}

SVulkanCapabilities MakeVulkan(std::uint32_t nVendorId, std::uint32_t nDeviceId,
                               EVulkanDeviceType eType, const char* pszName)
{
    SVulkanCapabilities device;
    device.m_nVendorId = nVendorId;
    device.m_nDeviceId = nDeviceId;
    device.m_eType = eType;
    device.m_strName = pszName;
    device.m_nMaxImageDimension2D = 4096; // enough for 9_3
    device.m_nMaxColorAttachments = 8;
    return device;
}

PciNameLookup FixtureLookup()
{
    return [](std::uint16_t nVendorId, std::uint16_t nDeviceId)
    {
        static const std::string strDatabase = ReadCollectorFixture("pci.ids");
        return LookUpPciNames(strDatabase, nVendorId, nDeviceId);
    };
}

struct SVirtualCase
{
    SDrmAdapter adapter;
    std::string strCardName;
};

class DisplayAdaptersVirtual : public ::testing::TestWithParam<SVirtualCase>
{
};
} // namespace

TEST_P(DisplayAdaptersVirtual, VirtualAdaptersCarryANameTheReaderFlags)
{
    const std::vector<SDisplayDevice> aDevices =
        BuildDisplayDevices({GetParam().adapter}, {}, FixtureLookup());
    ASSERT_EQ(aDevices.size(), 1U);
    EXPECT_EQ(aDevices[0].m_strCardName, GetParam().strCardName);
    EXPECT_NE(aDevices[0].m_strChipType, aDevices[0].m_strCardName); // the real name stays visible
    EXPECT_EQ(aDevices[0].m_strDriverName, GetParam().adapter.m_strDriver);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DisplayAdaptersVirtual,
    ::testing::Values(
        SVirtualCase{MakePciAdapter(0x15ad, 0x0405, "vmwgfx"), "VMware SVGA 3D"},
        SVirtualCase{MakePciAdapter(0x15ad, 0x0405, "vfio-pci"), "VMware SVGA 3D"},
        SVirtualCase{MakePciAdapter(0x1414, 0x5353, "hyperv_drm"), "Microsoft Hyper-V Video"},
        SVirtualCase{MakeFirmwareAdapter("hyperv_drm"), "Microsoft Hyper-V Video"},
        SVirtualCase{MakePciAdapter(0x1af4, 0x1050, "virtio-pci"),
                     "Microsoft Basic Display Adapter"},
        SVirtualCase{MakePciAdapter(0x1b36, 0x0100, "qxl"), "Microsoft Basic Display Adapter"},
        SVirtualCase{MakePciAdapter(0x1234, 0x1111, "bochs-drm"),
                     "Microsoft Basic Display Adapter"},
        SVirtualCase{MakePciAdapter(0x80ee, 0xbeef, "vboxvideo"),
                     "Microsoft Basic Display Adapter"},
        SVirtualCase{MakePciAdapter(0x80ee, 0xbeef, ""), "Microsoft Basic Display Adapter"},
        SVirtualCase{MakeFirmwareAdapter("simpledrm"), "Microsoft Basic Display Adapter"},
        SVirtualCase{MakeFirmwareAdapter("efidrm"), "Microsoft Basic Display Adapter"},
        SVirtualCase{MakeFirmwareAdapter("efifb"), "Microsoft Basic Display Adapter"}));

TEST(DisplayAdapters, HardwareAdapterTakesItsNamesAndTheLevelsOfItsVulkanDevice)
{
    const std::vector<SDisplayDevice> aDevices =
        BuildDisplayDevices({MakePciAdapter(0x8086, 0x3e92, "i915")},
                            {MakeVulkan(0x8086, 0x3e92, EVulkanDeviceType::IntegratedGpu,
                                        "Intel(R) UHD Graphics 630 (CFL GT2)")},
                            FixtureLookup());
    ASSERT_EQ(aDevices.size(), 1U);
    EXPECT_EQ(aDevices[0].m_strCardName, "CoffeeLake-S GT2 [UHD Graphics 630]");
    EXPECT_EQ(aDevices[0].m_strChipType, "CoffeeLake-S GT2 [UHD Graphics 630]");
    EXPECT_EQ(aDevices[0].m_strManufacturer, "Intel Corporation");
    EXPECT_EQ(aDevices[0].m_strVendorId, "0x8086");
    EXPECT_EQ(aDevices[0].m_strDeviceId, "0x3e92");
    EXPECT_EQ(aDevices[0].m_strDriverName, "i915");
    EXPECT_EQ(aDevices[0].m_strFeatureLevels, "9_3,9_2,9_1");
}

TEST(DisplayAdapters, AdapterWithoutVulkanDeviceHasNoLevels)
{
    const std::vector<SDisplayDevice> aDevices = BuildDisplayDevices(
        {MakePciAdapter(0x10de, 0x2484, "nouveau")},
        {MakeVulkan(0x10de, 0x2485, EVulkanDeviceType::DiscreteGpu, "other")}, FixtureLookup());
    ASSERT_EQ(aDevices.size(), 2U);
    EXPECT_EQ(aDevices[0].m_strCardName, "GA104 [GeForce RTX 3070]");
    EXPECT_EQ(aDevices[0].m_strFeatureLevels, "");
    // The unmatched Vulkan device is an adapter of its own.
    EXPECT_EQ(aDevices[1].m_strCardName, "other");
    EXPECT_EQ(aDevices[1].m_strDeviceId, "0x2485");
    EXPECT_EQ(aDevices[1].m_strManufacturer, "NVIDIA Corporation");
    EXPECT_EQ(aDevices[1].m_strFeatureLevels, "9_3,9_2,9_1");
}

TEST(DisplayAdapters, ChipWithoutPciIdIsHardware)
{
    SDrmAdapter adapter;
    adapter.m_strCard = "card1";
    adapter.m_strDriver = "vc4";
    const std::vector<SDisplayDevice> aDevices =
        BuildDisplayDevices({adapter}, {}, FixtureLookup());
    ASSERT_EQ(aDevices.size(), 1U);
    EXPECT_EQ(aDevices[0].m_strCardName, "Display device of driver vc4 (no PCI id)");
    EXPECT_EQ(aDevices[0].m_strVendorId, "");
    EXPECT_EQ(ClassifyAdapter(adapter), EAdapterKind::Hardware);
}

TEST(DisplayAdapters, UnknownIdsAreNamedByNumber)
{
    const std::vector<SDisplayDevice> aDevices =
        BuildDisplayDevices({MakePciAdapter(0x1a03, 0x2000, "ast")}, {}, FixtureLookup());
    ASSERT_EQ(aDevices.size(), 1U);
    EXPECT_EQ(aDevices[0].m_strCardName, "PCI device 0x1a03:0x2000");
    EXPECT_EQ(aDevices[0].m_strManufacturer, "0x1a03");
}

TEST(DisplayAdapters, SoftwareRasteriserIsNoAdapter)
{
    const std::vector<SDisplayDevice> aDevices = BuildDisplayDevices(
        {MakePciAdapter(0x8086, 0x3e92, "i915")},
        {MakeVulkan(0x10005, 0, EVulkanDeviceType::Cpu, "llvmpipe (LLVM 15.0.6, 256 bits)"),
         MakeVulkan(0x8086, 0x3e92, EVulkanDeviceType::Other, "llvmpipe lookalike")},
        FixtureLookup());
    ASSERT_EQ(aDevices.size(), 1U);
    EXPECT_EQ(aDevices[0].m_strFeatureLevels, "");
}

TEST(DisplayAdapters, VirtualVulkanDeviceWithoutAdapterIsBasicDisplay)
{
    const std::vector<SDisplayDevice> aDevices = BuildDisplayDevices(
        {}, {MakeVulkan(0x1af4, 0x1050, EVulkanDeviceType::VirtualGpu, "Virtio-GPU Venus")},
        FixtureLookup());
    ASSERT_EQ(aDevices.size(), 1U);
    EXPECT_EQ(aDevices[0].m_strCardName, "Microsoft Basic Display Adapter");
    EXPECT_EQ(aDevices[0].m_strChipType, "Virtio-GPU Venus");
}

TEST(DisplayAdapters, MachineWithoutAdapterRendersInSoftware)
{
    const std::vector<SDisplayDevice> aDevices = BuildDisplayDevices({}, {}, FixtureLookup());
    ASSERT_EQ(aDevices.size(), 1U);
    EXPECT_EQ(aDevices[0].m_strCardName, "Microsoft Basic Display Adapter");
    EXPECT_EQ(aDevices[0].m_strFeatureLevels, "");
}

TEST(DisplayAdapters, CardNamesAndIdFiles)
{
    EXPECT_TRUE(IsDrmCardName("card0"));
    EXPECT_TRUE(IsDrmCardName("card12"));
    EXPECT_FALSE(IsDrmCardName("card"));
    EXPECT_FALSE(IsDrmCardName("card0-HDMI-A-1"));
    EXPECT_FALSE(IsDrmCardName("renderD128"));
    EXPECT_FALSE(IsDrmCardName("version"));
    EXPECT_EQ(ParseSysfsHexId("0x8086\n"), 0x8086);
    EXPECT_EQ(ParseSysfsHexId("0x1050"), 0x1050);
    EXPECT_EQ(ParseSysfsHexId("8086"), std::nullopt);
    EXPECT_EQ(ParseSysfsHexId("0x"), std::nullopt);
    EXPECT_EQ(ParseSysfsHexId("0x12345"), std::nullopt);
    EXPECT_EQ(ParseSysfsHexId(""), std::nullopt);
}

TEST(DisplayAdapters, HardwareWithoutLevelsNamesTheMissingVulkanPackage)
{
    for (const bool bLoaderFound : {false, true})
    {
        std::vector<SDisplayDevice> aDevices = BuildDisplayDevices(
            {MakePciAdapter(0x8086, 0x3e92, "i915"), MakePciAdapter(0x1af4, 0x1050, "virtio_gpu")},
            {}, FixtureLookup());
        AddVulkanNotes(aDevices, bLoaderFound);
        ASSERT_EQ(aDevices.size(), 2U);
        EXPECT_NE(aDevices[0].m_strNotes.find(bLoaderFound
                                                  ? "install the package mesa-vulkan-drivers"
                                                  : "install the package libvulkan1"),
                  std::string::npos);
        EXPECT_EQ(aDevices[1].m_strNotes, ""); // a virtual adapter has no levels to find
    }
}
