#include "diagnostics/MountPoints.h"

#include <gtest/gtest.h>

namespace
{
constexpr const char* kMountInfo =
    "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
    "23 22 0:21 / /proc rw,nosuid shared:2 - proc proc rw\n"
    "30 22 8:2 / /home rw,relatime shared:3 - ext4 /dev/sda2 rw\n"
    "31 30 8:3 / /home/lab\\040data rw shared:4 - ext4 /dev/sda3 rw\n"
    "\n"
    "malformed line\n"
    "40 22 0:30 / /tmp rw shared:5 - tmpfs tmpfs rw\n"
    "41 22 0:31 / /tmp rw shared:6 - tmpfs tmpfs rw"; // mounted over the first, no final newline

struct SFindCase
{
    const char* pszPath;
    const char* pszExpected;
};

class FindDiskMountPointTest : public ::testing::TestWithParam<SFindCase>
{
};

TEST_P(FindDiskMountPointTest, LongestWholeFolderPrefixOnADisk)
{
    EXPECT_EQ(FindDiskMountPoint(GetParam().pszPath, ParseMountInfo(kMountInfo)).value_or("none"),
              GetParam().pszExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindDiskMountPointTest,
    ::testing::Values(SFindCase{"/", "/"}, SFindCase{"/etc", "/"}, SFindCase{"/home", "/home"},
                      SFindCase{"/home/ann/x", "/home"}, SFindCase{"/homework", "/"},
                      SFindCase{"/home/lab data/sm3", "/home/lab data"},
                      SFindCase{"/home/lab", "/home"},
                      // Both mounts of /tmp live in memory: the disk below them is the root's.
                      SFindCase{"/tmp/sm3/qualify", "/"}, SFindCase{"/proc/1", "/proc"},
                      SFindCase{"tmp", "none"}));

TEST(FindDiskMountPoint, AnUnlistedRootStillHoldsAbsolutePaths)
{
    EXPECT_EQ(FindDiskMountPoint("/tmp", {}), "/");
    EXPECT_EQ(FindDiskMountPoint("/tmp", {{"/home", "ext4"}, {"/proc", "proc"}}), "/");
    EXPECT_EQ(FindDiskMountPoint("/run/user/1000", {{"/run", "tmpfs"}}), "/");
    EXPECT_FALSE(FindDiskMountPoint("tmp", {{"/home", "ext4"}}).has_value());
}

// A home folder in memory, or a system that runs from memory alone, has no disk at all: its
// free memory must never pass for free disk space.
TEST(FindDiskMountPoint, MemoryIsNeverTheDisk)
{
    const std::vector<SMountEntry> aLiveSystem = {{"/", "tmpfs"}, {"/run", "tmpfs"}};
    EXPECT_FALSE(FindDiskMountPoint("/home/lab", aLiveSystem).has_value());
    const std::vector<SMountEntry> aRamHome = {
        {"/", "ext4"}, {"/home", "xfs"}, {"/home/lab", "ramfs"}, {"/home/lab/sub", "tmpfs"}};
    EXPECT_EQ(FindDiskMountPoint("/home/lab/sub/x", aRamHome), "/home");
}

// A mount over another of the same mount point covers it: it is the one the path is on.
TEST(FindDiskMountPoint, TheLastMountOfAMountPointCoversTheEarlierOnes)
{
    EXPECT_EQ(FindDiskMountPoint("/data/x", {{"/", "ext4"}, {"/data", "tmpfs"}, {"/data", "xfs"}}),
              "/data");
    EXPECT_EQ(FindDiskMountPoint("/data/x", {{"/", "ext4"}, {"/data", "xfs"}, {"/data", "tmpfs"}}),
              "/data");
    EXPECT_EQ(FindDiskMountPoint("/data/x", {{"/", "ext4"}, {"/data", "tmpfs"}}), "/");
}

TEST(IsMemoryFileSystem, KnowsTheFileSystemsThatLiveInMemory)
{
    EXPECT_TRUE(IsMemoryFileSystem("tmpfs"));
    EXPECT_TRUE(IsMemoryFileSystem("ramfs"));
    EXPECT_FALSE(IsMemoryFileSystem("ext4"));
    EXPECT_FALSE(IsMemoryFileSystem("overlay"));
    EXPECT_FALSE(IsMemoryFileSystem(""));
}

TEST(BuildDriveRoot, AddsOneBackslash)
{
    EXPECT_EQ(BuildDriveRoot("/"), L"/\\");
    EXPECT_EQ(BuildDriveRoot("/home/lab data"), L"/home/lab data\\");
}

// The reader compares with the name in the collector's form, whatever bytes it has.
TEST(BuildDriveRoot, TakesTheNameInTheFormTheCollectorWrites)
{
    EXPECT_EQ(BuildDriveRoot("/mnt/caf\xe9"), L"/mnt/caf\\xE9\\");
    EXPECT_EQ(BuildDriveRoot("/mnt/a\\b"), L"/mnt/a\\x5Cb\\");
    EXPECT_EQ(BuildDriveRoot("/mnt/caf\xc3\xa9"), L"/mnt/caf\u00e9\\");
}

} // namespace
