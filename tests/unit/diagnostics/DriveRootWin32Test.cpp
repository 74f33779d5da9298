// The drive root of a path through PathGetDriveNumberW and PathBuildRootW.
#include "diagnostics/DriveRoot.h"
#include "win32/WideFiles.h"

#include <gtest/gtest.h>

namespace
{
TEST(DriveRootWin32, IsTheUpperCaseRootOfTheDriveOrEmpty)
{
    const CScopedVariable unset("RIGVET_DRIVE_ROOT", std::nullopt);
    EXPECT_EQ(GetDriveRoot(L"C:\\Users\\lab\\AppData\\Local\\Temp\\sm3\\qualify\\qdxd.xml"),
              L"C:\\");
    EXPECT_EQ(GetDriveRoot(L"d:\\temp\\qdxd.xml"), L"D:\\");
    EXPECT_EQ(GetDriveRoot(L"\\\\server\\share\\qdxd.xml"), L"");
    EXPECT_EQ(GetDriveRoot(L"relative\\qdxd.xml"), L"");
}

TEST(DriveRootWin32, TheOverrideWins)
{
    const CScopedVariable root("RIGVET_DRIVE_ROOT", "E:\\");
    EXPECT_EQ(GetDriveRoot(L"C:\\temp\\qdxd.xml"), L"E:\\");
}
} // namespace
