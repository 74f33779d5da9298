#include "ui/cli/AppendFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

TEST(CAppendFile, AFullDeviceLosesTheRecordWhole)
{
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
