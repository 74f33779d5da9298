#include "diagnostics/WorkFolder.h"
#include "support/CZelSimpleException.h"
#include "support/LoadResourceString.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
constexpr unsigned int kWorkFolderFailed = 25101;
constexpr uid_t kForeignUser = 65534;

// Points the temporary directory at a private test folder.
class WorkFolderTest : public ::testing::Test
{
protected:
    fs::path WorkFolder() const { return m_temp.Path() / "sm3" / "qualify"; }
    fs::path Report() const { return WorkFolder() / "qdxd.xml"; }

    void ExpectRefused()
    {
        try
        {
            CreateWorkFolder();
            ADD_FAILURE() << "the work folder was accepted";
        }
        catch (const CZelSimpleException& exception)
        {
            EXPECT_EQ(exception.m_nCode, 25101);
            EXPECT_EQ(exception.m_strMessage,
                      LoadResourceString(kWorkFolderFailed, WorkFolder().wstring().c_str()));
        }
    }

    CTestFolder m_temp;
    CScopedVariable m_runtime{"XDG_RUNTIME_DIR", m_temp.Path().string()};
    CScopedVariable m_tmpdir{"TMPDIR", std::nullopt};
};

mode_t ModeOf(const fs::path& path)
{
    struct stat info
    {
    };
    EXPECT_EQ(lstat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

TEST_F(WorkFolderTest, PathsLieUnderThePrivateRuntimeDirectory)
{
    EXPECT_EQ(GetTempDirectory(), m_temp.Path().wstring());
    EXPECT_EQ(GetWorkFolderPath(), WorkFolder().wstring());
    EXPECT_EQ(GetReportPath(), Report().wstring());
    EXPECT_EQ(GetShortReportPath(), Report().wstring());
}

TEST_F(WorkFolderTest, TrailingSeparatorGivesTheSamePaths)
{
    const CScopedVariable runtime("XDG_RUNTIME_DIR", m_temp.Path().string() + "/");
    EXPECT_EQ(GetTempDirectory(), m_temp.Path().wstring());
    EXPECT_EQ(GetReportPath(), Report().wstring());
}

TEST_F(WorkFolderTest, SharedRuntimeDirectoryGivesWayToTmpdir)
{
    const CTestFolder other;
    const CScopedVariable tmpdir("TMPDIR", other.Path().string());
    fs::permissions(m_temp.Path(), fs::perms::all);
    EXPECT_EQ(GetTempDirectory(), other.Path().wstring());
}

TEST_F(WorkFolderTest, CreatesBothLevelsPrivately)
{
    CreateWorkFolder();
    EXPECT_TRUE(fs::is_directory(WorkFolder()));
    EXPECT_EQ(ModeOf(m_temp.Path() / "sm3"), 0700u);
    EXPECT_EQ(ModeOf(WorkFolder()), 0700u);
}

TEST_F(WorkFolderTest, ReusesAnExistingFolderAndItsContent)
{
    CreateWorkFolder();
    WriteTextFile(WorkFolder() / "keep.txt", "kept");
    CreateWorkFolder();
    EXPECT_EQ(ReadTextFile(WorkFolder() / "keep.txt"), "kept");
}

TEST_F(WorkFolderTest, RefusesSymbolicLinkAsWorkFolder)
{
    const CTestFolder elsewhere;
    fs::create_directory(m_temp.Path() / "sm3", m_temp.Path());
    chmod((m_temp.Path() / "sm3").c_str(), 0700);
    fs::create_directory_symlink(elsewhere.Path(), WorkFolder());
    ExpectRefused();
    EXPECT_TRUE(fs::is_empty(elsewhere.Path()));
}

TEST_F(WorkFolderTest, RefusesSymbolicLinkAsParent)
{
    const CTestFolder elsewhere;
    fs::create_directory_symlink(elsewhere.Path(), m_temp.Path() / "sm3");
    ExpectRefused();
    EXPECT_TRUE(fs::is_empty(elsewhere.Path()));
}

TEST_F(WorkFolderTest, RefusesWorldWritableWorkFolder)
{
    CreateWorkFolder();
    chmod(WorkFolder().c_str(), 0777);
    ExpectRefused();
}

TEST_F(WorkFolderTest, RefusesGroupWritableParent)
{
    CreateWorkFolder();
    chmod((m_temp.Path() / "sm3").c_str(), 0770);
    ExpectRefused();
}

TEST_F(WorkFolderTest, RefusesFolderOfAnotherUser)
{
    if (geteuid() != 0)
    {
        GTEST_SKIP() << "giving a folder to another user needs root";
    }
    CreateWorkFolder();
    ASSERT_EQ(chown(WorkFolder().c_str(), kForeignUser, kForeignUser), 0);
    ExpectRefused();
}

TEST_F(WorkFolderTest, RefusesFileInPlaceOfFolder)
{
    WriteTextFile(m_temp.Path() / "sm3", "not a folder");
    ExpectRefused();
}

TEST_F(WorkFolderTest, DeletesReadOnlyReport)
{
    CreateWorkFolder();
    WriteTextFile(Report(), "<DxDiag/>");
    chmod(Report().c_str(), 0444);
    DeleteReportFile(GetReportPath());
    EXPECT_FALSE(fs::exists(fs::symlink_status(Report())));
    EXPECT_FALSE(FileExistsNormalized(GetReportPath()));
    EXPECT_TRUE(fs::is_directory(WorkFolder()));
}

TEST_F(WorkFolderTest, AbsentReportIsLeftAlone)
{
    CreateWorkFolder();
    DeleteReportFile(GetReportPath());
    EXPECT_FALSE(FileExistsNormalized(GetReportPath()));
    EXPECT_TRUE(fs::is_directory(WorkFolder()));
}

TEST_F(WorkFolderTest, PlantedLinkIsRemovedAndItsTargetSurvives)
{
    const CTestFolder elsewhere;
    const fs::path target = elsewhere.Path() / "precious.txt";
    WriteTextFile(target, "precious");
    chmod(target.c_str(), 0400);
    CreateWorkFolder();
    fs::create_symlink(target, Report());
    DeleteReportFile(GetReportPath());
    EXPECT_FALSE(fs::exists(fs::symlink_status(Report())));
    EXPECT_EQ(ReadTextFile(target), "precious");
    EXPECT_EQ(ModeOf(target), 0400u);
}

TEST_F(WorkFolderTest, FolderAtReportPathIsHeld)
{
    CreateWorkFolder();
    fs::create_directory(Report());
    DeleteReportFile(GetReportPath());
    EXPECT_TRUE(FileExistsNormalized(GetReportPath()));
}

TEST_F(WorkFolderTest, LockTestSeesADanglingLink)
{
    CreateWorkFolder();
    fs::create_symlink(m_temp.Path() / "nowhere", Report());
    EXPECT_TRUE(FileExistsNormalized(GetReportPath()));
}
} // namespace
