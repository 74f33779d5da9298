#include "ui/cli/AppendFile.h"

#include "support/TestFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace
{
std::wstring Wide(const std::filesystem::path& path)
{
    return path.wstring();
}
} // namespace

TEST(CAppendFile, HeaderOnlyWhenTheFileIsNewOrEmpty)
{
    CTestFolder folder;
    const std::filesystem::path path = folder.Path() / "results.csv";
    {
        CAppendFile file;
        ASSERT_TRUE(file.Open(Wide(path))) << file.GetError();
        EXPECT_TRUE(file.AppendRecord("h\r\n", "1\r\n"));
        EXPECT_TRUE(file.AppendRecord("h\r\n", "2\r\n"));
        EXPECT_TRUE(file.Close());
    }
    {
        CAppendFile file;
        ASSERT_TRUE(file.Open(Wide(path)));
        EXPECT_TRUE(file.AppendRecord("h\r\n", "3\r\n"));
    }
    EXPECT_EQ(ReadTextFile(path.string()), "h\r\n1\r\n2\r\n3\r\n");

    const std::filesystem::path empty = folder.Path() / "empty.csv";
    WriteTextFile(empty.string(), "");
    CAppendFile file;
    ASSERT_TRUE(file.Open(Wide(empty)));
    EXPECT_TRUE(file.AppendRecord("h\r\n", "1\r\n"));
    EXPECT_EQ(ReadTextFile(empty.string()), "h\r\n1\r\n");
}

TEST(CAppendFile, WhatIsThereIsKept)
{
    CTestFolder folder;
    const std::filesystem::path path = folder.Path() / "results.csv";
    WriteTextFile(path.string(), "earlier\r\n");
    CAppendFile file;
    ASSERT_TRUE(file.Open(Wide(path)));
    EXPECT_TRUE(file.AppendRecord("h\r\n", "1\r\n"));
    EXPECT_EQ(ReadTextFile(path.string()), "earlier\r\n1\r\n");
}

TEST(CAppendFile, FailuresAreReported)
{
    CTestFolder folder;
    CAppendFile missingFolder;
    EXPECT_FALSE(missingFolder.Open(Wide(folder.Path() / "no" / "results.csv")));
    EXPECT_THAT(missingFolder.GetError(), ::testing::HasSubstr("cannot open"));
    EXPECT_FALSE(missingFolder.AppendRecord("h\r\n", "1\r\n"));
    EXPECT_TRUE(missingFolder.Close());

    CAppendFile directory;
    EXPECT_FALSE(directory.Open(Wide(folder.Path())));
}
