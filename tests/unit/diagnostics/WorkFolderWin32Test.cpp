// The work folder on the real file system: created under the temporary folder that Windows
// reports (TMP), reused, its report removed (read-only too), a held report detected.
#include "diagnostics/WorkFolder.h"
#include "support/CZelSimpleException.h"
#include "support/UniqueHandleWin32.h"
#include "win32/WideFiles.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace
{
// The temporary folder's name holds a blank, as a user name in it often does.
std::filesystem::path MakeFolder(const std::filesystem::path& path)
{
    std::filesystem::create_directory(path);
    return path;
}

class WorkFolderWin32 : public ::testing::Test
{
protected:
    CTestFolder m_root;
    std::filesystem::path m_temp = MakeFolder(m_root.Path() / "temp folder");
    CScopedVariable m_tmp{"TMP", m_temp.string() + "\\"};
    CScopedVariable m_temp2{"TEMP", m_temp.string()};

    std::wstring Report() const { return (m_temp / L"sm3\\qualify\\qdxd.xml").wstring(); }
};

TEST_F(WorkFolderWin32, PathsJoinTheTemporaryFolderWithoutItsTrailingBackslash)
{
    EXPECT_EQ(GetTempDirectory(), m_temp.wstring());
    EXPECT_EQ(GetWorkFolderPath(), m_temp.wstring() + L"\\sm3\\qualify");
    EXPECT_EQ(GetReportPath(), Report());
}

TEST_F(WorkFolderWin32, CreatesBothLevelsAndReusesThem)
{
    CreateWorkFolder().reset();
    EXPECT_TRUE(fs::is_directory(m_temp / "sm3" / "qualify"));
    WriteTextFile(Report(), "<DxDiag/>");
    EXPECT_NO_THROW(CreateWorkFolder().reset()); // 183: already there
    EXPECT_TRUE(fs::exists(Report()));
}

TEST_F(WorkFolderWin32, AFileInTheFoldersPlaceIsAFailure)
{
    fs::create_directory(m_temp / "sm3");
    WriteTextFile((m_temp / L"sm3\\qualify").wstring(), "not a folder");
    try
    {
        const auto pFolder = CreateWorkFolder();
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
    const auto pFolder = CreateWorkFolder();
    WriteTextFile(Report(), "old");
    ASSERT_TRUE(SetFileAttributesW(Report().c_str(), FILE_ATTRIBUTE_READONLY));
    pFolder->DeleteReport();
    EXPECT_FALSE(fs::exists(Report()));
    EXPECT_FALSE(pFolder->ReportExists());
    EXPECT_TRUE(fs::is_directory(GetWorkFolderPath()));
}

TEST_F(WorkFolderWin32, AbsentReportIsLeftAlone)
{
    const auto pFolder = CreateWorkFolder();
    pFolder->DeleteReport();
    EXPECT_FALSE(pFolder->ReportExists());
}

TEST_F(WorkFolderWin32, AReportHeldOpenWithoutDeleteSharingStays)
{
    const auto pFolder = CreateWorkFolder();
    WriteTextFile(Report(), "held");
    const CFileHandle held(CreateFileW(Report().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held.IsValid());
    pFolder->DeleteReport();
    EXPECT_TRUE(pFolder->ReportExists());
}

TEST_F(WorkFolderWin32, TheLockTestTakesForwardSlashes)
{
    const auto pFolder = CreateWorkFolder();
    WriteTextFile(Report(), "x");
    std::wstring strForward = Report();
    for (wchar_t& ch : strForward)
    {
        ch = ch == L'\\' ? L'/' : ch;
    }
    EXPECT_TRUE(FileExistsNormalized(strForward));
}

TEST_F(WorkFolderWin32, ShortFormsNameTheSameFolderWithoutBlanks)
{
    const auto pFolder = CreateWorkFolder();
    const std::wstring strShort = GetShortWorkFolder();
    ASSERT_FALSE(strShort.empty());
    EXPECT_EQ(strShort.find(L' '), std::wstring::npos) << strShort; // the folder name has one
    wchar_t szLong[MAX_PATH] = {};
    ASSERT_GT(GetLongPathNameW(strShort.c_str(), szLong, MAX_PATH), 0u);
    EXPECT_EQ(fs::path(szLong), fs::path(GetWorkFolderPath()));
    EXPECT_EQ(GetShortReportPath(), strShort + L"\\qdxd.xml");
}

// One run at a time: the hold file is open while the handle lives, and goes with it.
TEST_F(WorkFolderWin32, ASecondRunGets10004UntilTheFirstHandleGoes)
{
    auto pFolder = CreateWorkFolder();
    try
    {
        const auto pSecond = CreateWorkFolder();
        FAIL() << "the held work folder was taken";
    }
    catch (const CZelSimpleException& exception)
    {
        EXPECT_EQ(exception.m_nCode, 10004);
    }
    pFolder.reset();
    EXPECT_FALSE(fs::exists(m_temp / "sm3" / "qualify" / "rigvet.lock"));
    EXPECT_NO_THROW(CreateWorkFolder().reset());
}

TEST_F(WorkFolderWin32, AFolderThatDoesNotExistHasNoShortForm)
{
    EXPECT_EQ(GetShortWorkFolder(), L"");
    EXPECT_EQ(GetShortReportPath(), L"\\qdxd.xml");
}
} // namespace
