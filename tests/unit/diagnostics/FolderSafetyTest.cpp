#include "diagnostics/FolderSafety.h"

#include <gtest/gtest.h>

namespace
{
constexpr std::uint32_t kUser = 1000;

struct SSafetyCase
{
    const char* pszName;
    SFolderStatus status;
    bool bSafe;
    bool bPrivateRuntime;
};

class IsSafeWorkFolderTest : public ::testing::TestWithParam<SSafetyCase>
{
};

TEST_P(IsSafeWorkFolderTest, Judges)
{
    EXPECT_EQ(IsSafeWorkFolder(GetParam().status, kUser), GetParam().bSafe);
    EXPECT_EQ(IsPrivateRuntimeFolder(GetParam().status, kUser), GetParam().bPrivateRuntime);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IsSafeWorkFolderTest,
    ::testing::Values(SSafetyCase{"Private", {true, false, kUser, 0700}, true, true},
                      SSafetyCase{"ReadableByOthers", {true, false, kUser, 0755}, true, false},
                      SSafetyCase{"GroupWritable", {true, false, kUser, 0770}, false, false},
                      SSafetyCase{"WorldWritable", {true, false, kUser, 0707}, false, false},
                      SSafetyCase{"StickyWorldWritable", {true, false, kUser, 01777}, false, false},
                      SSafetyCase{"ForeignOwner", {true, false, 65534, 0700}, false, false},
                      SSafetyCase{"SymbolicLink", {false, true, kUser, 0777}, false, false},
                      SSafetyCase{"PlainFile", {false, false, kUser, 0600}, false, false}),
    [](const ::testing::TestParamInfo<SSafetyCase>& info) { return info.param.pszName; });
} // namespace
