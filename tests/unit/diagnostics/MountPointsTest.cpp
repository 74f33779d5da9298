#include "diagnostics/MountPoints.h"

#include "diagnostics/DriveRoot.h"

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

class FindMountPointTest : public ::testing::TestWithParam<SFindCase>
{
};

TEST_P(FindMountPointTest, LongestWholeFolderPrefix)
{
    EXPECT_EQ(FindMountPoint(GetParam().pszPath, ParseMountInfo(kMountInfo)).value_or("none"),
              GetParam().pszExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindMountPointTest,
    ::testing::Values(SFindCase{"/", "/"}, SFindCase{"/etc", "/"}, SFindCase{"/home", "/home"},
                      SFindCase{"/home/ann/x", "/home"}, SFindCase{"/homework", "/"},
                      SFindCase{"/home/lab data/sm3", "/home/lab data"},
                      SFindCase{"/home/lab", "/home"}, SFindCase{"/tmp/sm3/qualify", "/tmp"}));

TEST(FindMountPoint, AnUnlistedRootStillHoldsAbsolutePaths)
{
    EXPECT_EQ(FindMountPoint("/tmp", {}), "/");
    EXPECT_EQ(FindMountPoint("/tmp", {{"/home", "ext4"}, {"/proc", "proc"}}), "/");
    EXPECT_FALSE(FindMountPoint("tmp", {{"/home", "ext4"}}).has_value());
}

TEST(BuildDriveRoot, AddsOneBackslash)
{
    EXPECT_EQ(BuildDriveRoot("/"), L"/\\");
    EXPECT_EQ(BuildDriveRoot("/home/lab data"), L"/home/lab data\\");
}

TEST(GetDriveRoot, RootOfThisProcessFolderIsAMountPoint)
{
    const std::wstring strRoot = GetDriveRoot(L"/proc/self/status");
    EXPECT_EQ(strRoot, L"/proc\\");
    EXPECT_EQ(GetDriveRoot(L"/no/such/folder/qdxd.xml"), L"");
}
} // namespace
