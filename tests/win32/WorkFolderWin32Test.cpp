// The work folder on the real file system: created under the temporary folder that Windows
// reports (TMP), reused, its report removed (read-only too), a held report detected.
#include "diagnostics/WorkFolder.h"
#include "support/CZelSimpleException.h"
#include "support/UniqueHandleWin32.h"
#include "win32/WinTestFolder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace
{
class WorkFolderWin32 : public ::testing::Test
{
protected:
    CWinTestFolder m_temp;
    CScopedWinVariable m_tmp{L"TMP", m_temp.Path().wstring() + L"\\"};
    CScopedWinVariable m_temp2{L"TEMP", m_temp.Path().wstring()};

    std::wstring Report() const { return m_temp.File(L"sm3\\qualify\\qdxd.xml"); }
};

TEST_F(WorkFolderWin32, PathsJoinTheTemporaryFolderWithoutItsTrailingBackslash)
{
    EXPECT_EQ(GetTempDirectory(), m_temp.Path().wstring());
    EXPECT_EQ(GetWorkFolderPath(), m_temp.Path().wstring() + L"\\sm3\\qualify");
    EXPECT_EQ(GetReportPath(), Report());
}

TEST_F(WorkFolderWin32, CreatesBothLevelsAndReusesThem)
{
    CreateWorkFolder();
    EXPECT_TRUE(fs::is_directory(m_temp.Path() / "sm3" / "qualify"));
    WriteFileText(Report(), "<DxDiag/>");
    EXPECT_NO_THROW(CreateWorkFolder()); // 183: already there
    EXPECT_TRUE(fs::exists(Report()));
}

TEST_F(WorkFolderWin32, AFileInTheFoldersPlaceIsAFailure)
{
    fs::create_directory(m_temp.Path() / "sm3");
    WriteFileText(m_temp.File(L"sm3\\qualify"), "not a folder");
    try
    {
        CreateWorkFolder();
        FAIL() << "no exception";
    }
    catch (const CZelSimpleException& exception)
    {
        EXPECT_EQ(exception.m_nCode, 25101);
        EXPECT_NE(exception.m_strMessage.find(GetWorkFolderPath()), std::wstring::npos);
    }
}

TEST_F(WorkFolderWin32, ReadOnlyReportIsMadeWritableAndRemoved)
{
    CreateWorkFolder();
    WriteFileText(Report(), "old");
    ASSERT_TRUE(SetFileAttributesW(Report().c_str(), FILE_ATTRIBUTE_READONLY));
    DeleteReportFile(Report());
    EXPECT_FALSE(fs::exists(Report()));
    EXPECT_FALSE(FileExistsNormalized(Report()));
    EXPECT_TRUE(fs::is_directory(GetWorkFolderPath()));
}

TEST_F(WorkFolderWin32, AbsentReportIsLeftAlone)
{
    CreateWorkFolder();
    DeleteReportFile(Report());
    EXPECT_FALSE(FileExistsNormalized(Report()));
}

TEST_F(WorkFolderWin32, AReportHeldOpenWithoutDeleteSharingStays)
{
    CreateWorkFolder();
    WriteFileText(Report(), "held");
    const CFileHandle held(CreateFileW(Report().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held.IsValid());
    DeleteReportFile(Report());
    EXPECT_TRUE(FileExistsNormalized(Report()));
}

TEST_F(WorkFolderWin32, TheLockTestTakesForwardSlashes)
{
    CreateWorkFolder();
    WriteFileText(Report(), "x");
    std::wstring strForward = Report();
    for (wchar_t& ch : strForward)
    {
        ch = ch == L'\\' ? L'/' : ch;
    }
    EXPECT_TRUE(FileExistsNormalized(strForward));
}

TEST_F(WorkFolderWin32, ShortFormsNameTheSameFolderWithoutBlanks)
{
    CreateWorkFolder();
    const std::wstring strShort = GetShortWorkFolder();
    ASSERT_FALSE(strShort.empty());
    EXPECT_EQ(strShort.find(L' '), std::wstring::npos) << strShort; // the folder name has one
    wchar_t szLong[MAX_PATH] = {};
    ASSERT_GT(GetLongPathNameW(strShort.c_str(), szLong, MAX_PATH), 0u);
    EXPECT_EQ(fs::path(szLong), fs::path(GetWorkFolderPath()));
    EXPECT_EQ(GetShortReportPath(), strShort + L"\\qdxd.xml");
}

TEST_F(WorkFolderWin32, AFolderThatDoesNotExistHasNoShortForm)
{
    EXPECT_EQ(GetShortWorkFolder(), L"");
    EXPECT_EQ(GetShortReportPath(), L"\\qdxd.xml");
}
} // namespace
