// The Linux drive root: the mount point that holds a path, read from /proc.
#include "diagnostics/DriveRoot.h"

#include <gtest/gtest.h>

namespace
{
TEST(GetDriveRoot, RootOfThisProcessFolderIsAMountPoint)
{
    const std::wstring strRoot = GetDriveRoot(L"/proc/self/status");
    EXPECT_EQ(strRoot, L"/proc\\");
    EXPECT_EQ(GetDriveRoot(L"/no/such/folder/qdxd.xml"), L"");
}
} // namespace
