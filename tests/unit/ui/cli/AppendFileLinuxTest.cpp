#include "support/ProgramRunner.h"
#include "support/TestFolder.h"
#include "ui/cli/AppendFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace
{
std::wstring Wide(const std::filesystem::path& path)
{
    const std::string strPath = path.string();
    return std::wstring(strPath.begin(), strPath.end());
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

    // A full device takes nothing: the record is reported lost, not half written.
    CAppendFile full;
    ASSERT_TRUE(full.Open(L"/dev/full"));
    EXPECT_FALSE(full.AppendRecord("h\r\n", "1\r\n"));
    EXPECT_THAT(full.GetError(), ::testing::HasSubstr("cannot write"));
}

TEST(CAppendFile, APipeGetsTheHeaderOnce)
{
    int aPipe[2];
    ASSERT_EQ(pipe(aPipe), 0);
    {
        CAppendFile file;
        ASSERT_TRUE(file.Open(L"/proc/self/fd/" + std::to_wstring(aPipe[1])));
        EXPECT_TRUE(file.AppendRecord("h\n", "1\n"));
        EXPECT_TRUE(file.AppendRecord("h\n", "2\n"));
    }
    close(aPipe[1]);
    char aBuffer[64] = {};
    const ssize_t nRead = read(aPipe[0], aBuffer, sizeof(aBuffer));
    close(aPipe[0]);
    EXPECT_EQ(std::string(aBuffer, nRead > 0 ? static_cast<std::size_t>(nRead) : 0), "h\n1\n2\n");
}
