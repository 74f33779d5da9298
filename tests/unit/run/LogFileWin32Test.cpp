// The log file on the real file system: created anew, written as narrow text without additions.
#include "run/LogFile.h"
#include "win32/WideFiles.h"

#include <gtest/gtest.h>

namespace
{
TEST(LogFileWin32, IsCreatedEmptiedAndWrittenAsItIs)
{
    const CTestFolder folder;
    const std::wstring strPath = WideFile(folder, L"log file.txt");
    WriteTextFile(strPath, "old content that must go");
    CLogFile log;
    ASSERT_TRUE(log.Open(strPath));
    log.WriteString(L"The following updates were found on the system: ");
    log.Flush();
    log.WriteString(L"4474419,4490628\u00C4");
    log.Close();
    EXPECT_EQ(ReadTextFile(strPath),
              "The following updates were found on the system: 4474419,4490628?");
}

TEST(LogFileWin32, APathThatCannotBeOpenedLeavesTheLogClosed)
{
    const CTestFolder folder;
    CLogFile log;
    EXPECT_FALSE(log.Open(WideFile(folder, L"missing folder\\log.txt")));
    EXPECT_FALSE(log.IsOpen());
    EXPECT_FALSE(log.Open(L""));
    log.WriteString(L"nothing");
    log.Close();
}
} // namespace
