// The Linux drive root: the disk of the home folder, read from /proc.
#include "diagnostics/DriveRoot.h"
#include "diagnostics/MountPoints.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

namespace
{
class GetDriveRootTest : public ::testing::Test
{
protected:
    CScopedVariable m_noOverride{kDriveRootVariable, std::nullopt};
};

// The disk that holds the home folder, not the one of the path asked about, which on Linux may
// be a folder in memory.
TEST_F(GetDriveRootTest, IsTheDiskOfTheHomeFolder)
{
    const CTestFolder home;
    const CScopedVariable variable("HOME", home.Path().string());
    const std::optional<std::string> strDisk =
        FindDiskMountPoint(std::filesystem::canonical(home.Path()).string(),
                           ParseMountInfo(ReadTextFile("/proc/self/mountinfo")));
    ASSERT_TRUE(strDisk);
    EXPECT_EQ(GetDriveRoot(L"/proc/self/status"), BuildDriveRoot(*strDisk));
    EXPECT_EQ(GetDriveRoot(L"/no/such/folder/qdxd.xml"), BuildDriveRoot(*strDisk));
}

TEST_F(GetDriveRootTest, AHomeInMemoryGivesTheDiskBelowIt)
{
    if (!std::filesystem::is_directory("/dev/shm"))
    {
        GTEST_SKIP() << "no /dev/shm here";
    }
    const CScopedVariable variable("HOME", "/dev/shm");
    const std::optional<std::string> strDisk =
        FindDiskMountPoint("/dev/shm", ParseMountInfo(ReadTextFile("/proc/self/mountinfo")));
    EXPECT_NE(strDisk.value_or(""), "/dev/shm");
    EXPECT_EQ(GetDriveRoot(L""), strDisk ? BuildDriveRoot(*strDisk) : L"");
}

TEST_F(GetDriveRootTest, AMissingHomeFolderHasNoDisk)
{
    const CScopedVariable variable("HOME", "/no/such/home");
    EXPECT_EQ(GetDriveRoot(L"/tmp"), L"");
}

TEST(GetDriveRoot, TheOverrideWins)
{
    const CScopedVariable variable(kDriveRootVariable, "C:\\");
    EXPECT_EQ(GetDriveRoot(L"/tmp"), L"C:\\");
}
} // namespace
