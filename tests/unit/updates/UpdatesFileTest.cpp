#include "updates/UpdatesFile.h"

#include "support/TestFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
using CIds = std::vector<std::wstring>;

std::vector<CIds> IdsOf(const std::vector<SUpdateRecord>& aRecords)
{
    std::vector<CIds> aIds;
    for (const SUpdateRecord& record : aRecords)
    {
        aIds.push_back(record.m_aKbArticleIds);
    }
    return aIds;
}

struct SParseCase
{
    const char* pszName;
    std::string strContent;
    std::vector<CIds> aExpected;
};

class ParseUpdateRecordsTest : public ::testing::TestWithParam<SParseCase>
{
};

TEST_P(ParseUpdateRecordsTest, ReadsOneUpdatePerLine)
{
    EXPECT_EQ(IdsOf(ParseUpdateRecords(GetParam().strContent)), GetParam().aExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseUpdateRecordsTest,
    ::testing::Values(SParseCase{"EmptyFileHasNoUpdate", "", {}},
                      SParseCase{"TwoUpdates",
                                 "4474419\n4490628,4536952\n",
                                 {{L"4474419"}, {L"4490628", L"4536952"}}},
                      SParseCase{"LastLineWithoutLineBreak", "1\n2,3", {{L"1"}, {L"2", L"3"}}},
                      SParseCase{"FinalLineBreakAddsNoUpdate", "1\n", {{L"1"}}},
                      SParseCase{"EmptyLineIsAnUpdateWithoutIds", "1\n\n2\n", {{L"1"}, {}, {L"2"}}},
                      SParseCase{"OnlyALineBreakIsOneUpdateWithoutIds", "\n", {{}}},
                      SParseCase{"WindowsLineEnds", "1\r\n2,3\r\n\r\n", {{L"1"}, {L"2", L"3"}, {}}},
                      SParseCase{"CarriageReturnInsideALineStays", "1\r2\n", {{L"1\r2"}}},
                      SParseCase{"OnlyOneCarriageReturnIsDropped", "1\r\r\n", {{L"1\r"}}},
                      SParseCase{"IdsAreTakenAsWritten", " 1 ,KB2\n", {{L" 1 ", L"KB2"}}},
                      SParseCase{"TrailingCommaAddsNoId", "1,\n", {{L"1"}}},
                      SParseCase{"TwoCommasMakeAnEmptyId", "1,,2\n", {{L"1", L"", L"2"}}},
                      SParseCase{"ByteOrderMarkIsSkipped",
                                 "\xEF\xBB\xBF"
                                 "1\n",
                                 {{L"1"}}},
                      SParseCase{"Utf8Ids", "\xC3\x89t\xC3\xA9\n", {{L"\u00C9t\u00E9"}}},
                      SParseCase{"InvalidUtf8KeepsItsByte", "1\xFF\n", {{L"1\xDCFF"}}}),
    [](const ::testing::TestParamInfo<SParseCase>& info) { return info.param.pszName; });

TEST(ReadUpdatesFile, ReadsTheBytesOfARegularFile)
{
    const CTestFolder folder;
    const std::string strContent("1\r\n2\0"
                                 "3\n",
                                 7);
    EXPECT_EQ(ReadUpdatesFile(folder.Write("updates.txt", strContent)), strContent);
}

TEST(ReadUpdatesFile, ReadsAnEmptyFile)
{
    const CTestFolder folder;
    EXPECT_EQ(ReadUpdatesFile(folder.Write("updates.txt", "")), std::string());
}

TEST(ReadUpdatesFile, ReadsAFileLargerThanOneBuffer)
{
    const CTestFolder folder;
    const std::string strContent(200000, '7');
    EXPECT_EQ(ReadUpdatesFile(folder.Write("updates.txt", strContent)), strContent);
}

TEST(ReadUpdatesFile, MissingFileGivesNothing)
{
    const CTestFolder folder;
    EXPECT_FALSE(ReadUpdatesFile(folder.File("absent.txt")));
    EXPECT_FALSE(ReadUpdatesFile(""));
}

TEST(ReadUpdatesFile, FolderGivesNothing)
{
    const CTestFolder folder;
    std::filesystem::create_directory(folder.File("sub"));
    EXPECT_FALSE(ReadUpdatesFile(folder.File("sub")));
}

TEST(ReadUpdatesFile, FifoGivesNothingInsteadOfWaiting)
{
    const CTestFolder folder;
    ASSERT_EQ(mkfifo(folder.File("fifo").c_str(), 0600), 0);
    EXPECT_FALSE(ReadUpdatesFile(folder.File("fifo")));
}
TEST(ReadUpdatesFile, AFileOverTheLimitGivesNothingUnread)
{
    const CTestFolder folder;
    EXPECT_TRUE(
        ReadUpdatesFile(folder.Write("at-limit.txt", std::string(kMaxUpdatesFileBytes, '7'))));
    EXPECT_FALSE(ReadUpdatesFile(
        folder.Write("over-limit.txt", std::string(kMaxUpdatesFileBytes + 1, '7'))));
    // A gigabyte that takes no room on the disk: refused by its size, so quickly and without
    // the memory it would take.
    const std::string strHuge = folder.Write("huge.txt", "");
    ASSERT_EQ(truncate(strHuge.c_str(), 1L << 30), 0);
    EXPECT_FALSE(ReadUpdatesFile(strHuge));
}
} // namespace
