#include "diagnostics/DiagnosticsCapture.h"
#include "diagnostics/WorkFolder.h"
#include "support/CZelSimpleException.h"
#include "support/ProgramRunner.h"
#include "support/TestFolder.h"
#include "support/UniqueFdLinux.h"

#include <chrono>
#include <climits>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
constexpr std::chrono::seconds kAmpleTime{60};

// A folder that the child starts in by its path.
SCollectorPlace AtPath(const fs::path& directory)
{
    return SCollectorPlace{directory.wstring(), -1, std::wstring()};
}

SChildOutcome RunShell(const std::string& strScript, const fs::path& directory = "/",
                       std::chrono::seconds timeout = kAmpleTime)
{
    return RunCollector(L"/bin/sh", {L"-c", std::wstring(strScript.begin(), strScript.end())},
                        AtPath(directory), timeout);
}

TEST(RunCollector, ReportsTheExitStatus)
{
    const SChildOutcome outcome = RunShell("exit 3");
    EXPECT_TRUE(outcome.bStarted);
    EXPECT_FALSE(outcome.bEndedBySignal);
    EXPECT_EQ(outcome.nExitStatus, 3);
}

TEST(RunCollector, Status255CountsAsMinusOne)
{
    EXPECT_EQ(GetCaptureExitCode(RunShell("exit 255")), -1);
}

TEST(RunCollector, ReportsACrash)
{
    const SChildOutcome outcome = RunShell("kill -SEGV $$");
    EXPECT_TRUE(outcome.bStarted);
    EXPECT_TRUE(outcome.bEndedBySignal);
    EXPECT_EQ(GetCaptureExitCode(outcome), -1);
}

TEST(RunCollector, MissingProgramDoesNotStart)
{
    const CTestFolder folder;
    const SChildOutcome outcome = RunCollector((folder.Path() / "no-such-collector").wstring(), {},
                                               AtPath(folder.Path()), kAmpleTime);
    EXPECT_FALSE(outcome.bStarted);
}

TEST(RunCollector, MissingWorkingDirectoryDoesNotStart)
{
    const CTestFolder folder;
    EXPECT_FALSE(RunShell("exit 0", folder.Path() / "gone").bStarted);
}

TEST(RunCollector, RunsInTheWorkingDirectoryWithoutAShell)
{
    const CTestFolder folder;
    // A shell would split the argument at the blank and expand the star.
    const SChildOutcome outcome =
        RunCollector(L"/bin/sh", {L"-c", L"pwd > where; printf '%s' \"$0\" > arg", L"a b*"},
                     AtPath(folder.Path()), kAmpleTime);
    EXPECT_EQ(outcome.nExitStatus, 0);
    EXPECT_EQ(ReadTextFile(folder.Path() / "where"), folder.Path().string() + "\n");
    EXPECT_EQ(ReadTextFile(folder.Path() / "arg"), "a b*");
}

TEST(RunCollector, GetsNoneOfThisProgramsStreams)
{
    const CTestFolder folder;
    const SChildOutcome outcome =
        RunShell("s=$(readlink /proc/$$/fd/0 /proc/$$/fd/1 /proc/$$/fd/2); echo \"$s\" > streams",
                 folder.Path());
    EXPECT_EQ(outcome.nExitStatus, 0);
    EXPECT_EQ(ReadTextFile(folder.Path() / "streams"), "/dev/null\n/dev/null\n/dev/null\n");
}

TEST(RunCollector, RunsInAProcessGroupOfItsOwn)
{
    const CTestFolder folder;
    RunShell("echo $$ > pid; cut -d ' ' -f 5 /proc/$$/stat > group", folder.Path());
    EXPECT_EQ(ReadTextFile(folder.Path() / "group"), ReadTextFile(folder.Path() / "pid"));
}

TEST(RunCollector, AHungChildIsEndedWithWhatItStartedWhenItsTimeIsUp)
{
    const CTestFolder folder;
    const auto start = std::chrono::steady_clock::now();
    const SChildOutcome outcome =
        RunShell("sleep 60 & echo $! > helper; sleep 60", folder.Path(), std::chrono::seconds(1));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_TRUE(outcome.bStarted);
    EXPECT_TRUE(outcome.bTimedOut);
    EXPECT_EQ(GetCaptureExitCode(outcome), -1);
    EXPECT_GE(elapsed, std::chrono::seconds(1));
    EXPECT_LT(elapsed, std::chrono::seconds(20));
    const std::string strHelper = WaitForLine((folder.Path() / "helper").string());
    ASSERT_FALSE(strHelper.empty());
    const pid_t nHelper = static_cast<pid_t>(std::stol(strHelper));
    ASSERT_GT(nHelper, 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (IsProcessRunning(nHelper) && std::chrono::steady_clock::now() < deadline)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_FALSE(IsProcessRunning(nHelper));
}

TEST(RunCollector, AQuickChildIsNotHeldToTheTimeout)
{
    const auto start = std::chrono::steady_clock::now();
    const SChildOutcome outcome = RunShell("exit 4", "/", kAmpleTime);
    EXPECT_FALSE(outcome.bTimedOut);
    EXPECT_EQ(outcome.nExitStatus, 4);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST(EndRunningCollector, EndsTheCollectorFromAnotherThread)
{
    const CTestFolder folder;
    std::thread ender(
        [&]
        {
            if (!WaitForLine((folder.Path() / "pid").string()).empty())
            {
                EndRunningCollector();
            }
        });
    const SChildOutcome outcome = RunShell("echo $$ > pid; sleep 60", folder.Path());
    ender.join();
    EXPECT_TRUE(outcome.bEndedBySignal);
    EXPECT_FALSE(outcome.bTimedOut);
    EndRunningCollector(); // with none running, nothing happens
}

TEST(FindCollectorProgram, LiesBesideTheRunningProgram)
{
    const CScopedVariable unset(kCollectorVariable, std::nullopt);
    char aPath[PATH_MAX] = {};
    ASSERT_GT(readlink("/proc/self/exe", aPath, sizeof(aPath) - 1), 0);
    EXPECT_EQ(FindCollectorProgram(), (fs::path(aPath).parent_path() / "rigvet-dxdiag").wstring());
}

TEST(FindCollectorProgram, VariableNamesAnotherProgram)
{
    const CScopedVariable set(kCollectorVariable, "/opt/fake/collector");
    EXPECT_EQ(FindCollectorProgram(), L"/opt/fake/collector");
}

TEST(FindCollectorProgram, RelativeNameIsTakenFromTheCurrentFolder)
{
    const CScopedVariable set(kCollectorVariable, "tools/collector");
    char aFolder[PATH_MAX] = {};
    ASSERT_NE(getcwd(aFolder, sizeof(aFolder)), nullptr);
    EXPECT_EQ(FindCollectorProgram(), (fs::path(aFolder) / "tools/collector").wstring());
}

class CaptureTest : public ::testing::Test
{
protected:
    void UseCollector(const std::string& strScript)
    {
        const fs::path program = m_tools.Path() / "collector";
        WriteTextFile(program, "#!/bin/sh\n" + strScript + "\n");
        chmod(program.c_str(), 0700);
        m_pCollector = std::make_unique<CScopedVariable>(kCollectorVariable, program.string());
        m_pFolder = CreateWorkFolder();
    }

    CTestFolder m_temp;
    CTestFolder m_tools;
    CScopedVariable m_runtime{"XDG_RUNTIME_DIR", m_temp.Path().string()};
    std::unique_ptr<CScopedVariable> m_pCollector;
    std::unique_ptr<IWorkFolder> m_pFolder;
};

// The report is named relative to the work folder the collector starts in, and no descriptor of
// ours beyond the standard three reaches it.
TEST_F(CaptureTest, PassesTheReportPathAndWorkFolder)
{
    UseCollector("echo \"$*\" > \"" + (m_tools.Path() / "args").string() + "\"; pwd > \"" +
                 (m_tools.Path() / "cwd").string() + "\"; ls /proc/self/fd > \"" +
                 (m_tools.Path() / "fds").string() + "\"; exit 1");
    const CUniqueFd inheritable(open("/dev/null", O_RDONLY)); // as a library might leave one
    ASSERT_TRUE(inheritable.IsValid());
    EXPECT_NO_THROW(CaptureDiagnosticsReport(*m_pFolder));
    EXPECT_EQ(ReadTextFile(m_tools.Path() / "args"), "/whql:off /x qdxd.xml\n");
    // 0-2, and the one ls opened to list them
    EXPECT_EQ(ReadTextFile(m_tools.Path() / "fds"), "0\n1\n2\n3\n");
    EXPECT_EQ(ReadTextFile(m_tools.Path() / "cwd"),
              (m_temp.Path() / "sm3/qualify").string() + "\n");
}

TEST_F(CaptureTest, ExitMinusOneRaises10005)
{
    UseCollector("exit 255");
    try
    {
        CaptureDiagnosticsReport(*m_pFolder);
        ADD_FAILURE() << "no exception";
    }
    catch (const CZelSimpleException& exception)
    {
        EXPECT_EQ(exception.m_nCode, 10005);
        EXPECT_EQ(exception.m_strMessage, L"The execution of dxdiag.exe has failed. Ret = -1");
    }
}

// The collector starts in the folder that was checked, even when another folder has taken its
// path since.
TEST_F(CaptureTest, RunsInTheCheckedFolderAfterItsPathWasSwapped)
{
    UseCollector("echo here > here");
    fs::rename(m_temp.Path() / "sm3", m_temp.Path() / "moved");
    fs::create_directories(m_temp.Path() / "sm3" / "qualify");
    EXPECT_NO_THROW(CaptureDiagnosticsReport(*m_pFolder));
    EXPECT_EQ(ReadTextFile(m_temp.Path() / "moved" / "qualify" / "here"), "here\n");
    EXPECT_FALSE(fs::exists(m_temp.Path() / "sm3" / "qualify" / "here"));
}

TEST_F(CaptureTest, HungCollectorRaises10005WhenItsTimeIsUp)
{
    UseCollector("sleep 60");
    const CScopedVariable timeout(kCollectorTimeoutVariable, "1");
    try
    {
        CaptureDiagnosticsReport(*m_pFolder);
        ADD_FAILURE() << "no exception";
    }
    catch (const CZelSimpleException& exception)
    {
        EXPECT_EQ(exception.m_nCode, 10005);
    }
}

TEST_F(CaptureTest, InvalidTimeoutStartsNoCollector)
{
    UseCollector("echo ran > \"" + (m_tools.Path() / "ran").string() + "\"");
    const CScopedVariable timeout(kCollectorTimeoutVariable, "forever");
    EXPECT_THROW(CaptureDiagnosticsReport(*m_pFolder), CZelSimpleException);
    EXPECT_FALSE(fs::exists(m_tools.Path() / "ran"));
}

TEST_F(CaptureTest, CrashRaises10005)
{
    UseCollector("kill -SEGV $$");
    EXPECT_THROW(CaptureDiagnosticsReport(*m_pFolder), CZelSimpleException);
}
} // namespace
