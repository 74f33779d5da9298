#include "diagnostics/DiagnosticsCapture.h"
#include "diagnostics/WorkFolder.h"
#include "support/CZelSimpleException.h"
#include "support/TestFolder.h"

#include <climits>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
SChildOutcome RunShell(const std::string& strScript, const fs::path& directory = "/")
{
    return RunCollector(L"/bin/sh", {L"-c", std::wstring(strScript.begin(), strScript.end())},
                        directory.wstring());
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
    const SChildOutcome outcome =
        RunCollector((folder.Path() / "no-such-collector").wstring(), {}, folder.Path().wstring());
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
                     folder.Path().wstring());
    EXPECT_EQ(outcome.nExitStatus, 0);
    EXPECT_EQ(ReadTextFile(folder.Path() / "where"), folder.Path().string() + "\n");
    EXPECT_EQ(ReadTextFile(folder.Path() / "arg"), "a b*");
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
        CreateWorkFolder();
    }

    CTestFolder m_temp;
    CTestFolder m_tools;
    CScopedVariable m_runtime{"XDG_RUNTIME_DIR", m_temp.Path().string()};
    std::unique_ptr<CScopedVariable> m_pCollector;
};

TEST_F(CaptureTest, PassesTheReportPathAndWorkFolder)
{
    UseCollector("echo \"$*\" > \"" + (m_tools.Path() / "args").string() + "\"; pwd > \"" +
                 (m_tools.Path() / "cwd").string() + "\"; exit 1");
    EXPECT_NO_THROW(CaptureDiagnosticsReport());
    EXPECT_EQ(ReadTextFile(m_tools.Path() / "args"),
              "/whql:off /x " + (m_temp.Path() / "sm3/qualify/qdxd.xml").string() + "\n");
    EXPECT_EQ(ReadTextFile(m_tools.Path() / "cwd"),
              (m_temp.Path() / "sm3/qualify").string() + "\n");
}

TEST_F(CaptureTest, ExitMinusOneRaises10005)
{
    UseCollector("exit 255");
    try
    {
        CaptureDiagnosticsReport();
        ADD_FAILURE() << "no exception";
    }
    catch (const CZelSimpleException& exception)
    {
        EXPECT_EQ(exception.m_nCode, 10005);
        EXPECT_EQ(exception.m_strMessage, L"The execution of dxdiag.exe has failed. Ret = -1");
    }
}

TEST_F(CaptureTest, CrashRaises10005)
{
    UseCollector("kill -SEGV $$");
    EXPECT_THROW(CaptureDiagnosticsReport(), CZelSimpleException);
}
} // namespace
