// The log file on the real file system: created anew, written as narrow text without additions.
#include "run/LogFile.h"
#include "win32/WinTestFolder.h"

#include <gtest/gtest.h>

namespace
{
TEST(LogFileWin32, IsCreatedEmptiedAndWrittenAsItIs)
{
    const CWinTestFolder folder;
    const std::wstring strPath = folder.File(L"log file.txt");
    WriteFileText(strPath, "old content that must go");
    CLogFile log;
    ASSERT_TRUE(log.Open(strPath));
    log.WriteString(L"The following updates were found on the system: ");
    log.Flush();
    log.WriteString(L"4474419,4490628\u00C4");
    log.Close();
    EXPECT_EQ(ReadFileText(strPath),
              "The following updates were found on the system: 4474419,4490628?");
}

TEST(LogFileWin32, APathThatCannotBeOpenedLeavesTheLogClosed)
{
    const CWinTestFolder folder;
    CLogFile log;
    EXPECT_FALSE(log.Open(folder.File(L"missing folder\\log.txt")));
    EXPECT_FALSE(log.IsOpen());
    EXPECT_FALSE(log.Open(L""));
    log.WriteString(L"nothing");
    log.Close();
}
} // namespace
