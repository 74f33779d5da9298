#include "run/LogFile.h"

#include "support/TestFolder.h"
#include "support/TextConvert.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace
{
class LogFileTest : public ::testing::Test
{
protected:
    std::filesystem::path LogPath() const { return m_folder.Path() / "run.log"; }

    CTestFolder m_folder;
    CLogFile m_log;
};

TEST_F(LogFileTest, OpeningEmptiesTheFileAndWritingAddsNothing)
{
    WriteTextFile(LogPath(), "left from an earlier run");
    ASSERT_TRUE(m_log.Open(LogPath().wstring()));
    m_log.WriteString(L"a,b");
    m_log.WriteString(L"");
    m_log.WriteString(L"\tc\n");
    m_log.Close();
    EXPECT_EQ(ReadTextFile(LogPath()), "a,b\tc\n");
    EXPECT_EQ(m_log.GetProblem(), "");
}

struct SCharacterCase
{
    const char* pszName;
    std::wstring strText;
    std::string strWritten;
};

void PrintTo(const SCharacterCase& value, std::ostream* pStream)
{
    *pStream << value.pszName;
}

class LogFileCharacters : public LogFileTest, public ::testing::WithParamInterface<SCharacterCase>
{
};

// The log is narrow text: every character outside ASCII is one "?", never a raw byte.
TEST_P(LogFileCharacters, OutsideAsciiBecomesAQuestionMark)
{
    ASSERT_TRUE(m_log.Open(LogPath().wstring()));
    m_log.WriteString(GetParam().strText);
    m_log.Close();
    EXPECT_EQ(ReadTextFile(LogPath()), GetParam().strWritten);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogFileCharacters,
    ::testing::Values(SCharacterCase{"ascii", L"4474419,KB4490628\x7f", "4474419,KB4490628\x7f"},
                      SCharacterCase{"latin1", L"KB\u00e9,\u0080\u00ff", "KB?,??"},
                      SCharacterCase{"beyond latin1", L"\u0100\u20ac", "??"},
                      SCharacterCase{"astral", L"a\U0001F600b", "a?b"},
                      SCharacterCase{"undecodable byte", Utf8ToWide("a\xe9z"), "a?z"}),
    [](const ::testing::TestParamInfo<SCharacterCase>& info)
    {
        std::string strName = info.param.pszName;
        std::replace(strName.begin(), strName.end(), ' ', '_');
        return strName;
    });

TEST_F(LogFileTest, AFolderCannotBeOpenedAndSaysWhy)
{
    EXPECT_FALSE(m_log.Open(m_folder.Path().wstring()));
    EXPECT_FALSE(m_log.IsOpen());
    EXPECT_EQ(m_log.GetProblem(), "could not be opened (Is a directory)");
}

TEST_F(LogFileTest, AFullDiskIsAWriteProblem)
{
    ASSERT_TRUE(m_log.Open(L"/dev/full"));
    m_log.WriteString(L"The following updates were found on the system: ");
    m_log.Flush();
    m_log.Close();
    EXPECT_EQ(m_log.GetProblem(), "could not be written (No space left on device)");
}

TEST_F(LogFileTest, TheFirstProblemIsKeptUntilTheNextOpen)
{
    EXPECT_FALSE(m_log.Open(L""));
    EXPECT_EQ(m_log.GetProblem(), "could not be opened");
    ASSERT_TRUE(m_log.Open(L"/dev/full"));
    EXPECT_EQ(m_log.GetProblem(), "");
    m_log.WriteString(L"x");
    m_log.Flush();
    m_log.Flush();
    m_log.Close();
    EXPECT_EQ(m_log.GetProblem(), "could not be written (No space left on device)");
}
} // namespace
