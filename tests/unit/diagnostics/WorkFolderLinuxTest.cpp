#include "diagnostics/CheckedWorkFolderLinux.h"
#include "diagnostics/WorkFolder.h"
#include "diagnostics/XmlReport.h"
#include "support/CZelSimpleException.h"
#include "support/LoadResourceString.h"
#include "support/TestFolder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
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
            const auto pFolder = CreateWorkFolder();
            ADD_FAILURE() << "the work folder was accepted";
        }
        catch (const CZelSimpleException& exception)
        {
            EXPECT_EQ(exception.m_nCode, 25101);
            EXPECT_EQ(exception.m_strMessage,
                      LoadResourceString(kWorkFolderFailed, WorkFolder().wstring().c_str()));
        }
    }

    // Whether another open of the work folder could take the run's lock now.
    bool CanLockWorkFolder() const
    {
        const CUniqueFd other(open(WorkFolder().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        return other.IsValid() && flock(other.Get(), LOCK_EX | LOCK_NB) == 0;
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

// Only a runtime folder as the system makes it is used; any other is passed over, never made.
TEST_F(WorkFolderTest, RuntimeDirectoryThatIsMissingOrReadableIsPassedOver)
{
    const CTestFolder other;
    const CScopedVariable tmpdir("TMPDIR", other.Path().string());
    fs::permissions(m_temp.Path(),
                    fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(GetTempDirectory(), other.Path().wstring());
    const CScopedVariable runtime("XDG_RUNTIME_DIR", (m_temp.Path() / "none").string());
    const auto pFolder = CreateWorkFolder();
    EXPECT_TRUE(fs::is_directory(other.Path() / "sm3" / "qualify"));
    EXPECT_FALSE(fs::exists(m_temp.Path() / "none"));
}

TEST_F(WorkFolderTest, PlantedLinkAtTheReportIsNotRead)
{
    const auto pFolder = CreateWorkFolder();
    fs::create_symlink(fs::path(RIGVET_FIXTURES_DIR) / "reports" / "typical.xml", Report());
    EXPECT_THROW(pFolder->LoadReport(), CZelSimpleException);
}

TEST_F(WorkFolderTest, CreatesBothLevelsPrivately)
{
    const auto pFolder = CreateWorkFolder();
    EXPECT_TRUE(fs::is_directory(WorkFolder()));
    EXPECT_EQ(ModeOf(m_temp.Path() / "sm3"), 0700u);
    EXPECT_EQ(ModeOf(WorkFolder()), 0700u);
}

TEST_F(WorkFolderTest, ReusesAnExistingFolderAndItsContent)
{
    CreateWorkFolder().reset();
    WriteTextFile(WorkFolder() / "keep.txt", "kept");
    const auto pFolder = CreateWorkFolder();
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
    CreateWorkFolder().reset();
    chmod(WorkFolder().c_str(), 0777);
    ExpectRefused();
}

TEST_F(WorkFolderTest, RefusesGroupWritableParent)
{
    CreateWorkFolder().reset();
    chmod((m_temp.Path() / "sm3").c_str(), 0770);
    ExpectRefused();
}

TEST_F(WorkFolderTest, RefusesFolderOfAnotherUser)
{
    if (geteuid() != 0)
    {
        GTEST_SKIP() << "giving a folder to another user needs root";
    }
    CreateWorkFolder().reset();
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
    const auto pFolder = CreateWorkFolder();
    WriteTextFile(Report(), "<DxDiag/>");
    chmod(Report().c_str(), 0444);
    pFolder->DeleteReport();
    EXPECT_FALSE(fs::exists(fs::symlink_status(Report())));
    EXPECT_FALSE(pFolder->ReportExists());
    EXPECT_TRUE(fs::is_directory(WorkFolder()));
}

TEST_F(WorkFolderTest, AbsentReportIsLeftAlone)
{
    const auto pFolder = CreateWorkFolder();
    pFolder->DeleteReport();
    EXPECT_FALSE(pFolder->ReportExists());
    EXPECT_TRUE(fs::is_directory(WorkFolder()));
}

TEST_F(WorkFolderTest, PlantedLinkIsRemovedAndItsTargetSurvives)
{
    const CTestFolder elsewhere;
    const fs::path target = elsewhere.Path() / "precious.txt";
    WriteTextFile(target, "precious");
    chmod(target.c_str(), 0400);
    const auto pFolder = CreateWorkFolder();
    fs::create_symlink(target, Report());
    pFolder->DeleteReport();
    EXPECT_FALSE(fs::exists(fs::symlink_status(Report())));
    EXPECT_EQ(ReadTextFile(target), "precious");
    EXPECT_EQ(ModeOf(target), 0400u);
}

TEST_F(WorkFolderTest, FolderAtReportPathIsHeld)
{
    const auto pFolder = CreateWorkFolder();
    fs::create_directory(Report());
    pFolder->DeleteReport();
    EXPECT_TRUE(pFolder->ReportExists());
}

TEST_F(WorkFolderTest, LockTestSeesADanglingLink)
{
    const auto pFolder = CreateWorkFolder();
    fs::create_symlink(m_temp.Path() / "nowhere", Report());
    EXPECT_TRUE(pFolder->ReportExists());
}
TEST_F(WorkFolderTest, RuntimeDirectoryThatIsALinkToAPrivateFolderIsNotUsed)
{
    const CTestFolder target;
    const CTestFolder links;
    const CTestFolder temporary;
    ASSERT_EQ(chmod(target.Path().c_str(), 0700), 0);
    fs::create_directory_symlink(target.Path(), links.Path() / "runtime");
    const CScopedVariable runtime("XDG_RUNTIME_DIR", (links.Path() / "runtime").string());
    const CScopedVariable tmpdir("TMPDIR", temporary.Path().string());
    EXPECT_EQ(GetTempDirectory(), temporary.Path().wstring());
}

// Ownership is judged for the user the process acts for: a folder of root is not the folder of
// another user, root or not. The system's answers are replaced at the lowest layer, so that the
// real walk over real folders is tested whoever runs the tests.
class SafeFolderOwnershipTest : public WorkFolderTest
{
protected:
    static SOwnershipQuery QueryAs(std::uint32_t nUser, std::uint32_t nOwner)
    {
        SOwnershipQuery query = GetSystemOwnershipQuery();
        const auto fnRealStatus = query.fnFolderStatus;
        query.fnCurrentUser = [nUser] { return nUser; };
        query.fnFolderStatus = [fnRealStatus, nOwner](int nFolderFd)
        {
            std::optional<SFolderStatus> status = fnRealStatus(nFolderFd);
            if (status)
            {
                status->nOwner = nOwner;
            }
            return status;
        };
        return query;
    }

    bool Opens(const SOwnershipQuery& query) const
    {
        return OpenSafeFolder(m_temp.Path().string(), "sm3/qualify", query).IsValid();
    }
};

TEST_F(SafeFolderOwnershipTest, FolderOfRootIsRefusedForAnotherUser)
{
    EXPECT_FALSE(Opens(QueryAs(1000, 0)));
    CreateWorkFolder().reset(); // the levels exist now, and are found, not made
    EXPECT_FALSE(Opens(QueryAs(1000, 0)));
}

TEST_F(SafeFolderOwnershipTest, FolderOfTheUserIsAccepted)
{
    EXPECT_TRUE(Opens(QueryAs(1000, 1000)));
    EXPECT_TRUE(Opens(QueryAs(0, 0)));
    EXPECT_FALSE(Opens(QueryAs(0, 1000)));
}

TEST_F(SafeFolderOwnershipTest, AStatusThatCannotBeReadIsRefused)
{
    SOwnershipQuery query = GetSystemOwnershipQuery();
    query.fnFolderStatus = [](int) { return std::optional<SFolderStatus>(); };
    EXPECT_FALSE(Opens(query));
}

TEST_F(WorkFolderTest, TheRunHoldsTheFolderUntilItsHandleGoes)
{
    auto pFolder = CreateWorkFolder();
    EXPECT_FALSE(CanLockWorkFolder());
    pFolder.reset();
    EXPECT_TRUE(CanLockWorkFolder());
}

TEST_F(WorkFolderTest, AFolderHeldByAnotherRunGives10004)
{
    CreateWorkFolder().reset();
    const CUniqueFd other(open(WorkFolder().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    ASSERT_EQ(flock(other.Get(), LOCK_EX | LOCK_NB), 0);
    try
    {
        const auto pFolder = CreateWorkFolder();
        ADD_FAILURE() << "the held work folder was taken";
    }
    catch (const CZelSimpleException& exception)
    {
        EXPECT_EQ(exception.m_nCode, 10004);
        EXPECT_EQ(exception.m_strMessage, LoadResourceString(10004));
    }
}

// Removing the report needs no permission of the file, and a permission given to a file with
// other links would reach those names too.
TEST_F(WorkFolderTest, ReportWithOtherLinksIsRemovedWithoutChangingItsPermissions)
{
    const CTestFolder elsewhere;
    const fs::path outside = elsewhere.Path() / "kept.txt";
    WriteTextFile(outside, "kept");
    chmod(outside.c_str(), 0444);
    const auto pFolder = CreateWorkFolder();
    fs::create_hard_link(outside, Report());
    pFolder->DeleteReport();
    EXPECT_FALSE(fs::exists(fs::symlink_status(Report())));
    EXPECT_EQ(ModeOf(outside), 0444u);
    EXPECT_EQ(ReadTextFile(outside), "kept");
}

// After the check every operation reaches the folder that was checked: a folder swapped into
// its path later is neither read, nor tested, nor cleared.
TEST_F(WorkFolderTest, OperationsReachTheCheckedFolderAfterItsPathWasSwapped)
{
    const auto pFolder = CreateWorkFolder();
    WriteTextFile(Report(), "<DxDiag><SystemInformation><Memory>8192MB RAM</Memory>"
                            "</SystemInformation></DxDiag>");
    fs::rename(m_temp.Path() / "sm3", m_temp.Path() / "moved");
    fs::create_directories(WorkFolder());
    WriteTextFile(Report(), "planted");
    const fs::path checkedReport = m_temp.Path() / "moved" / "qualify" / "qdxd.xml";

    EXPECT_NO_THROW(pFolder->LoadReport());
    EXPECT_TRUE(pFolder->ReportExists());
    pFolder->DeleteReport();
    EXPECT_FALSE(fs::exists(checkedReport));
    EXPECT_FALSE(pFolder->ReportExists());
    EXPECT_EQ(ReadTextFile(Report()), "planted");
}

// What the collector is given: the open folder it starts in and the report's bare name there.
TEST_F(WorkFolderTest, TheCollectorStartsInTheHeldFolder)
{
    const auto pFolder = CreateWorkFolder();
    const SCollectorPlace place = pFolder->GetCollectorPlace();
    EXPECT_EQ(place.strFolder, WorkFolder().wstring());
    EXPECT_EQ(place.strReport, L"qdxd.xml");
    struct stat held
    {
    };
    struct stat named
    {
    };
    ASSERT_EQ(fstat(place.nFolderFd, &held), 0);
    ASSERT_EQ(stat(WorkFolder().c_str(), &named), 0);
    EXPECT_EQ(held.st_ino, named.st_ino);
}

// The report's name anywhere but in the held folder is left alone.
TEST_F(WorkFolderTest, NothingIsRemovedOutsideTheHeldFolder)
{
    const auto pFolder = CreateWorkFolder();
    WriteTextFile(m_temp.Path() / "qdxd.xml", "<DxDiag/>");
    WriteTextFile(m_temp.Path() / "sm3" / "qdxd.xml", "<DxDiag/>");
    pFolder->DeleteReport();
    EXPECT_TRUE(fs::exists(m_temp.Path() / "qdxd.xml"));
    EXPECT_TRUE(fs::exists(m_temp.Path() / "sm3" / "qdxd.xml"));
}
} // namespace
