#include "collector/StorageMounts.h"
#include "unit/collector/CollectorFixtures.h"

#include <gtest/gtest.h>

namespace
{
struct SFileSystemCase
{
    std::string strFileSystem;
    bool bStorage;
};

class MountInfoFileSystem : public ::testing::TestWithParam<SFileSystemCase>
{
};
} // namespace

TEST_P(MountInfoFileSystem, PseudoFileSystemsHoldNoFiles)
{
    EXPECT_EQ(IsStorageFileSystem(GetParam().strFileSystem), GetParam().bStorage);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MountInfoFileSystem,
    ::testing::Values(SFileSystemCase{"ext4", true}, SFileSystemCase{"xfs", true},
                      SFileSystemCase{"btrfs", true}, SFileSystemCase{"tmpfs", true},
                      SFileSystemCase{"overlay", true}, SFileSystemCase{"nfs4", true},
                      SFileSystemCase{"fuse.sshfs", true}, SFileSystemCase{"proc", false},
                      SFileSystemCase{"sysfs", false}, SFileSystemCase{"cgroup", false},
                      SFileSystemCase{"cgroup2", false}, SFileSystemCase{"devpts", false},
                      SFileSystemCase{"mqueue", false}, SFileSystemCase{"debugfs", false},
                      SFileSystemCase{"tracefs", false}, SFileSystemCase{"securityfs", false},
                      SFileSystemCase{"pstore", false}, SFileSystemCase{"bpf", false},
                      SFileSystemCase{"autofs", false}, SFileSystemCase{"configfs", false},
                      SFileSystemCase{"fusectl", false}, SFileSystemCase{"hugetlbfs", false},
                      SFileSystemCase{"binfmt_misc", false}));

TEST(MountInfo, ParsesMountPointAndType)
{
    const std::vector<SMountEntry> aMounts = ParseMountInfo(ReadCollectorFixture("mountinfo.txt"));
    ASSERT_EQ(aMounts.size(), 16U);
    EXPECT_EQ(aMounts[0].m_strMountPoint, "/proc");
    EXPECT_EQ(aMounts[0].m_strFileSystem, "proc");
    EXPECT_EQ(aMounts[5].m_strMountPoint, "/");
    EXPECT_EQ(aMounts[5].m_strFileSystem, "ext4");
    // Optional fields before the separator are passed over.
    EXPECT_EQ(aMounts[11].m_strMountPoint, "/home/lab user/My\tData");
    EXPECT_EQ(aMounts[11].m_strFileSystem, "xfs");
    EXPECT_EQ(aMounts[15].m_strMountPoint, "/media/back\\slash");
}

TEST(MountInfo, MalformedLinesAreSkipped)
{
    EXPECT_TRUE(ParseMountInfo("").empty());
    EXPECT_TRUE(ParseMountInfo("1 2 3:4 / /x rw\n").empty());
    EXPECT_TRUE(ParseMountInfo("1 2 3:4 / /x rw -\n").empty());
    EXPECT_TRUE(ParseMountInfo("1 - ext4 /dev/sda rw\n").empty());
}

TEST(MountInfo, UnescapesOctalSequencesOnly)
{
    EXPECT_EQ(UnescapeMountPath("/a\\040b"), "/a b");
    EXPECT_EQ(UnescapeMountPath("/a\\012b\\134"), "/a\nb\\");
    EXPECT_EQ(UnescapeMountPath("/a\\09"), "/a\\09");
    EXPECT_EQ(UnescapeMountPath("/a\\"), "/a\\");
    EXPECT_EQ(UnescapeMountPath("/a\\04"), "/a\\04");
}

TEST(MountInfo, SelectsStorageMountsOncePerMountPoint)
{
    const std::vector<SMountEntry> aSelected =
        SelectStorageMounts(ParseMountInfo(ReadCollectorFixture("mountinfo.txt")));
    std::vector<std::string> aPoints;
    for (const SMountEntry& mount : aSelected)
    {
        aPoints.push_back(mount.m_strMountPoint + " " + mount.m_strFileSystem);
    }
    // /dev/shm is mounted twice: the later mount covers the first and is the one reported.
    EXPECT_EQ(aPoints, (std::vector<std::string>{"/dev/shm tmpfs", "/ ext4", "/tmp tmpfs",
                                                 "/home/lab user/My\tData xfs",
                                                 "/var/lib/docker/overlay2/abc/merged overlay",
                                                 "/media/back\\slash vfat"}));
}

TEST(MountInfo, AnUnlistedRootIsStillADisk)
{
    const char* const pszChrootMounts = "45 27 0:21 / /proc rw,relatime - proc proc rw\n"
                                        "50 27 0:30 / /tmp rw - tmpfs tmpfs rw\n";
    const std::vector<SMountEntry> aSelected = SelectStorageMounts(ParseMountInfo(pszChrootMounts));
    ASSERT_EQ(aSelected.size(), 2u);
    EXPECT_EQ(aSelected[0].m_strMountPoint, "/");
    EXPECT_EQ(aSelected[1].m_strMountPoint, "/tmp");
}
