#include "support/RegularFile.h"

#include "support/TestFolder.h"

#include <gtest/gtest.h>

namespace
{
std::string ToText(const std::optional<std::vector<char>>& aContent)
{
    return aContent ? std::string(aContent->begin(), aContent->end()) : "<nothing>";
}

TEST(ReadRegularFile, ReadsUpToTheLimitAndNothingBeyond)
{
    const CTestFolder folder;
    WriteTextFile(folder.Path() / "five", "12345");
    const std::string strPath = (folder.Path() / "five").string();
    EXPECT_EQ(ToText(ReadRegularFile(strPath, false, 5)), "12345");
    EXPECT_EQ(ToText(ReadRegularFile(strPath, false, 4)), "<nothing>");
    EXPECT_EQ(ToText(ReadRegularFile(strPath, false, 0)), "<nothing>");
}

TEST(ReadRegularFile, LeavesRoomToTerminateTheContentInPlace)
{
    const CTestFolder folder;
    WriteTextFile(folder.Path() / "report", std::string(100000, 'x'));
    const auto aContent = ReadRegularFile((folder.Path() / "report").string(), false, 1 << 20);
    ASSERT_TRUE(aContent);
    EXPECT_GE(aContent->capacity(), aContent->size() + kRegularFileSpareBytes);
}
} // namespace
