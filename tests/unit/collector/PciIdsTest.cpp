#include "collector/PciIds.h"

#include "unit/collector/CollectorFixtures.h"

#include <gtest/gtest.h>

namespace
{
struct SPciCase
{
    std::uint16_t nVendorId;
    std::uint16_t nDeviceId;
    std::string strVendor;
    std::string strDevice;
};

class PciIds : public ::testing::TestWithParam<SPciCase>
{
};
} // namespace

TEST_P(PciIds, FindsVendorAndDeviceNames)
{
    static const std::string strDatabase = ReadCollectorFixture("pci.ids");
    const SPciCase& testCase = GetParam();
    const SPciNames names = LookUpPciNames(strDatabase, testCase.nVendorId, testCase.nDeviceId);
    EXPECT_EQ(names.m_strVendor, testCase.strVendor);
    EXPECT_EQ(names.m_strDevice, testCase.strDevice);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PciIds,
    ::testing::Values(
        SPciCase{0x8086, 0x3e92, "Intel Corporation", "CoffeeLake-S GT2 [UHD Graphics 630]"},
        // A subsystem line with the same digits is not the device, and the next vendor's device
        // is not either.
        SPciCase{0x8086, 0x1912, "Intel Corporation", "HD Graphics 530"},
        SPciCase{0x8087, 0x1912, "Intel Corporation (second id)", "Not the Intel device"},
        SPciCase{0x1002, 0x73bf, "Advanced Micro Devices, Inc. [AMD/ATI]",
                 "Navi 21 [Radeon RX 6800/6800 XT / 6900 XT]"},
        SPciCase{0x15ad, 0x0405, "VMware", "SVGA II Adapter"},
        SPciCase{0x10de, 0x1234, "NVIDIA Corporation", ""}, SPciCase{0x1234, 0x1111, "", ""},
        SPciCase{0xffff, 0x0000, "Illegal Vendor ID", ""}));

TEST(PciIdsDatabase, EmptyDatabaseKnowsNothing)
{
    const SPciNames names = LookUpPciNames("", 0x8086, 0x3e92);
    EXPECT_EQ(names.m_strVendor, "");
    EXPECT_EQ(names.m_strDevice, "");
}
