#include "collector/MemoryInfo.h"

#include "unit/collector/CollectorFixtures.h"

#include <gtest/gtest.h>

TEST(MemoryInfo, BlockSizeIsHexadecimal)
{
    EXPECT_EQ(ParseMemoryBlockSize("8000000\n"), 0x8000000U);
    EXPECT_EQ(ParseMemoryBlockSize("0x10000000"), 0x10000000U);
    EXPECT_EQ(ParseMemoryBlockSize(""), std::nullopt);
    EXPECT_EQ(ParseMemoryBlockSize("0\n"), std::nullopt);
    EXPECT_EQ(ParseMemoryBlockSize("zz"), std::nullopt);
}

TEST(MemoryInfo, MeminfoValuesAreKibibytes)
{
    const std::string strMeminfo = ReadCollectorFixture("meminfo.txt");
    EXPECT_EQ(ParseMeminfoBytes(strMeminfo, "MemTotal"), 16318488ULL * 1024);
    EXPECT_EQ(ParseMeminfoBytes(strMeminfo, "SwapFree"), 1048572ULL * 1024);
    EXPECT_EQ(ParseMeminfoBytes(strMeminfo, "Mem"), std::nullopt);
    EXPECT_EQ(ParseMeminfoBytes(strMeminfo, "Hugepagesize"), std::nullopt);
}

TEST(MemoryInfo, CountsOnlineBlocksLikeLsmem)
{
    SMemorySources sources;
    sources.m_strBlockSize = "8000000\n";
    sources.m_aBlockStates = {"online\n", "online\n", "offline\n", "online\n", "going-offline\n"};
    sources.m_strMeminfo = ReadCollectorFixture("meminfo.txt");
    EXPECT_EQ(GetInstalledMemoryBytes(sources), 3ULL * 0x8000000);
}

TEST(MemoryInfo, FallsBackToMemTotalWithoutMemoryBlocks)
{
    SMemorySources sources;
    sources.m_strMeminfo = ReadCollectorFixture("meminfo.txt");
    EXPECT_EQ(GetInstalledMemoryBytes(sources), 16318488ULL * 1024);
    sources.m_strBlockSize = "8000000\n"; // the size file alone, without any block
    EXPECT_EQ(GetInstalledMemoryBytes(sources), 16318488ULL * 1024);
    sources.m_strMeminfo.clear();
    EXPECT_EQ(GetInstalledMemoryBytes(sources), 0U);
}

TEST(MemoryInfo, FormatsWholeMebibytes)
{
    EXPECT_EQ(FormatMemory(192ULL * 0x8000000), "24576MB RAM");
    EXPECT_EQ(FormatMemory(16318488ULL * 1024), "15936MB RAM");
    EXPECT_EQ(FormatMemory(1048575), "0MB RAM");
    EXPECT_EQ(FormatMemory(0), "0MB RAM");
}

TEST(MemoryInfo, PageFileFromSwap)
{
    EXPECT_EQ(FormatPageFile(ReadCollectorFixture("meminfo.txt")), "1024MB used, 1023MB available");
    EXPECT_EQ(FormatPageFile("SwapTotal: 0 kB\nSwapFree: 0 kB\n"), "0MB used, 0MB available");
    EXPECT_EQ(FormatPageFile("MemTotal: 1 kB\n"), "");
}
