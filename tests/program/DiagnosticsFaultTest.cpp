// rigvet-cli against collectors, work folders and temporary directories that misbehave, as a
// hostile user or a broken machine would have them. Each run ends as a failed step does, with its
// six verdicts, and changes nothing outside its work folder.
#include "program/DiagnosticsRunFixture.h"

#include <chrono>
#include <csignal>
#include <gmock/gmock.h>
#include <memory>
#include <sys/mount.h>
#include <unistd.h>

using ::testing::HasSubstr;
using ::testing::Not;

namespace
{
constexpr const char* kHeld = "[Error Occurred - 10004]\nThe test could not run due to a lock on "
                              "the diagnostics file.";
constexpr const char* kNoReport = "[Error Occurred - -998]\nCould not load the dxdiag XML file\n";

std::vector<int> ReadPids(const std::string& strLine)
{
    std::vector<int> aPids;
    std::istringstream fields(strLine);
    int nPid = 0;
    while (fields >> nPid)
    {
        aPids.push_back(nPid);
    }
    return aPids;
}

// Gives a process that was killed a moment to be gone.
bool HasEnded(int nPid)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (IsProcessRunning(nPid) && std::chrono::steady_clock::now() < deadline)
    {
        usleep(20000);
    }
    return !IsProcessRunning(nPid);
}

void ExpectSixVerdicts(const SProgramResult& result)
{
    EXPECT_EQ(result.nSignal, 0);
    // A run that ends on an error box gives 4; else a FAIL gives 1, and the clock's UNK (no
    // consent) 2.
    const bool bError = result.strOutput.find("[Error Occurred") != std::string::npos;
    const bool bFail = result.strOutput.find(": FAIL") != std::string::npos;
    EXPECT_EQ(result.nExitCode, bError ? 4 : bFail ? 1 : 2) << result.strError;
    for (const char* pszRequirement : {"Display Device", "Sound Device", "Windows Updates",
                                       "System Memory", "Free Disk Space", "Accurate System Time"})
    {
        EXPECT_THAT(result.strOutput, ::testing::ContainsRegex(std::string("\n") + pszRequirement +
                                                               ": (PASS|FAIL|UNK)"));
    }
}

// A small RAM-backed file system of the test's own; not every machine lets a test mount one.
class CScratchMount
{
public:
    explicit CScratchMount(const std::string& strOptions)
    {
        m_bMounted = mount("tmpfs", m_folder.Path().c_str(), "tmpfs", 0, strOptions.c_str()) == 0;
    }
    CScratchMount(const CScratchMount&) = delete;
    CScratchMount& operator=(const CScratchMount&) = delete;
    ~CScratchMount()
    {
        if (m_bMounted)
        {
            umount2(m_folder.Path().c_str(), MNT_DETACH);
        }
    }
    bool IsMounted() const { return m_bMounted; }
    std::string Path() const { return m_folder.Path().string(); }

private:
    CTestFolder m_folder;
    bool m_bMounted = false;
};

// A folder of the disk shown at another name of the test's own, for as long as the object lives.
class CBindMount
{
public:
    CBindMount(const std::string& strSource, const std::string& strTarget) : m_strTarget(strTarget)
    {
        fs::create_directory(strTarget);
        m_bMounted = mount(strSource.c_str(), strTarget.c_str(), nullptr, MS_BIND, nullptr) == 0;
    }
    CBindMount(const CBindMount&) = delete;
    CBindMount& operator=(const CBindMount&) = delete;
    ~CBindMount()
    {
        if (m_bMounted)
        {
            umount2(m_strTarget.c_str(), MNT_DETACH);
        }
    }
    bool IsMounted() const { return m_bMounted; }

private:
    std::string m_strTarget;
    bool m_bMounted = false;
};

class DiagnosticsFaultTest : public DiagnosticsRunTest
{
protected:
    DiagnosticsFaultTest()
    {
        UseReportWithDisks();
        m_options.environment["RIGVET_FAKE_PIDFILE"] = m_tools.File("pids");
        m_options.environment["RIGVET_FAKE_STREAMS"] = m_tools.File("streams");
    }

    // Everything of the test's that a run may not change: the temporary directory but for the
    // work folder, and the test's own files but for the fake collector's notes.
    std::map<std::string, std::string> Outside() const
    {
        std::map<std::string, std::string> entries = SnapshotTree(m_temp.Path(), {"sm3/qualify"});
        for (const auto& [strPath, strEntry] :
             SnapshotTree(m_tools.Path(), {"calls.log", "pids", "streams"}))
        {
            entries["tools/" + strPath] = strEntry;
        }
        return entries;
    }

    std::vector<int> CollectorPids() { return ReadPids(WaitForLine(m_tools.File("pids"))); }
};

TEST_F(DiagnosticsFaultTest, CollectorReadsAndWritesNothingOfRigvet)
{
    const SProgramResult result = Run();
    ExpectSixVerdicts(result);
    EXPECT_EQ(ReadTextFile(m_tools.File("streams")), "/dev/null /dev/null /dev/null\n");
}

TEST_F(DiagnosticsFaultTest, HungCollectorIsEndedWithItsHelperAndTheStepFails)
{
    m_options.environment["RIGVET_FAKE_ACTION"] = "sleep-with-helper";
    m_options.environment["RIGVET_FAKE_SECONDS"] = "120";
    m_options.environment["RIGVET_DXDIAG_TIMEOUT"] = "1";
    PrepareWorkFolder();
    const auto before = Outside();
    const auto start = std::chrono::steady_clock::now();
    const SProgramResult result = Run();
    EXPECT_EQ(Outside(), before);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
    ExpectSixVerdicts(result);
    EXPECT_THAT(result.strOutput, HasSubstr(kCollectorFailed));
    EXPECT_THAT(result.strOutput, HasSubstr("System Memory: FAIL (0 MB)\n"));
    const std::vector<int> aPids = CollectorPids();
    ASSERT_EQ(aPids.size(), 2u);
    for (const int nPid : aPids)
    {
        EXPECT_TRUE(HasEnded(nPid)) << nPid;
    }
}

// The collector's helper keeps running, but it holds nothing of rigvet-cli's output, so a reader
// of that output sees its end as soon as rigvet-cli ends.
TEST_F(DiagnosticsFaultTest, OutputEndsWithRigvetWhateverTheCollectorLeavesRunning)
{
    m_options.environment["RIGVET_FAKE_ACTION"] = "sleep-with-helper";
    m_options.environment["RIGVET_FAKE_SECONDS"] = "0";
    const auto start = std::chrono::steady_clock::now();
    const SProgramResult result = Run();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
    ExpectSixVerdicts(result);
    EXPECT_THAT(result.strOutput, HasSubstr("System Memory: PASS (16384 MB)\n"));
    const std::vector<int> aPids = CollectorPids();
    ASSERT_EQ(aPids.size(), 2u);
    kill(aPids[1], SIGKILL);
}

TEST_F(DiagnosticsFaultTest, InvalidCollectorTimeoutIsRefusedAtStart)
{
    for (const char* pszValue : {"0", "-1", "1.5", "soon", "86401", ""})
    {
        SCOPED_TRACE(pszValue);
        m_options.environment["RIGVET_DXDIAG_TIMEOUT"] = pszValue;
        const SProgramResult result = Run();
        EXPECT_EQ(result.nExitCode, 64);
        EXPECT_THAT(result.strError, HasSubstr("rigvet-cli: RIGVET_DXDIAG_TIMEOUT must be"));
        EXPECT_THAT(result.strOutput, Not(HasSubstr("[Internet Consent]")));
    }
    EXPECT_EQ(Calls(), "");
}

class InterruptedRunTest : public DiagnosticsFaultTest, public ::testing::WithParamInterface<int>
{
};

// An interrupted rigvet-cli ends its collector, and everything the collector started, and then
// ends as the signal would have ended it.
TEST_P(InterruptedRunTest, EndsTheCollectorAndThenItself)
{
    m_options.environment["RIGVET_FAKE_ACTION"] = "sleep-with-helper";
    m_options.environment["RIGVET_FAKE_SECONDS"] = "120";
    PrepareWorkFolder();
    const auto before = Outside();
    CRunningProgram run(RIGVET_CLI_PATH, {"--consent=no"}, m_options);
    const std::vector<int> aPids = CollectorPids();
    ASSERT_EQ(aPids.size(), 2u);
    kill(run.Pid(), GetParam());
    const SProgramResult result = run.Finish();
    EXPECT_EQ(result.nSignal, GetParam());
    EXPECT_EQ(Outside(), before);
    for (const int nPid : aPids)
    {
        EXPECT_TRUE(HasEnded(nPid)) << nPid;
    }
}

INSTANTIATE_TEST_SUITE_P(Signals, InterruptedRunTest, ::testing::Values(SIGINT, SIGTERM, SIGHUP),
                         [](const ::testing::TestParamInfo<int>& info)
                         { return std::string(sigabbrev_np(info.param)); });

TEST_F(DiagnosticsFaultTest, ASecondRunFindsTheWorkFolderHeldAndEndsWith10004)
{
    m_options.environment["RIGVET_FAKE_ACTION"] = "sleep";
    m_options.environment["RIGVET_FAKE_SECONDS"] = "5";
    PrepareWorkFolder();
    const auto before = Outside();
    CRunningProgram first(RIGVET_CLI_PATH, {"--consent=no"}, m_options);
    ASSERT_EQ(CollectorPids().size(), 1u);

    const SProgramResult second = Run();
    ExpectSixVerdicts(second);
    EXPECT_THAT(second.strOutput, HasSubstr(kHeld));
    EXPECT_THAT(second.strOutput, HasSubstr("System Memory: FAIL (0 MB)\n"));

    const SProgramResult firstResult = first.Finish();
    ExpectSixVerdicts(firstResult);
    EXPECT_THAT(firstResult.strOutput, Not(HasSubstr("Error Occurred")));
    EXPECT_THAT(firstResult.strOutput, HasSubstr("System Memory: PASS (16384 MB)\n"));
    const std::string strCalls = Calls();
    EXPECT_EQ(std::count(strCalls.begin(), strCalls.end(), '\n'), 1); // only the first collected
    EXPECT_EQ(Outside(), before);
}

// Runs started together never break each other: each either runs in full or finds the work
// folder held.
TEST_F(DiagnosticsFaultTest, ParallelRunsEachRunFullyOrFindTheFolderHeld)
{
    std::vector<std::unique_ptr<CRunningProgram>> apRuns;
    for (int i = 0; i < 8; ++i)
    {
        apRuns.push_back(std::make_unique<CRunningProgram>(
            RIGVET_CLI_PATH, std::vector<std::string>{"--consent=no"}, m_options));
    }
    int nFull = 0;
    for (const std::unique_ptr<CRunningProgram>& pRun : apRuns)
    {
        const SProgramResult result = pRun->Finish();
        ExpectSixVerdicts(result);
        if (result.strOutput.find(kHeld) != std::string::npos)
        {
            EXPECT_THAT(result.strOutput, HasSubstr("System Memory: FAIL (0 MB)\n"));
            continue;
        }
        ++nFull;
        EXPECT_THAT(result.strOutput, Not(HasSubstr("Error Occurred")));
        EXPECT_THAT(result.strOutput, HasSubstr("Display Device: PASS (feature level 12.1)\n"));
        EXPECT_THAT(result.strOutput, HasSubstr("System Memory: PASS (16384 MB)\n"));
    }
    EXPECT_GE(nFull, 1);
}

// The work folder's parent is swapped before the collector writes: the collector writes into the
// folder that was checked, nothing appears in the folder put in its place, and the planted report
// there is neither judged nor removed.
TEST_F(DiagnosticsFaultTest, AWorkFolderSwappedBeforeTheCollectorWritesGetsNothing)
{
    m_options.environment["RIGVET_FAKE_ACTION"] = "swap";
    const SProgramResult result = Run();
    ExpectSixVerdicts(result);
    EXPECT_THAT(result.strOutput, HasSubstr("System Memory: PASS (16384 MB)\n"));
    EXPECT_EQ(ReadTextFile(Report()),
              "<DxDiag><SystemInformation><Memory>1MB RAM</Memory></SystemInformation></DxDiag>");
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(Report()).parent_path()), {}), 1);
    EXPECT_TRUE(fs::is_empty(m_temp.Path().string() + "/sm3-moved/qualify"));
}

TEST_F(DiagnosticsFaultTest, AnOldReportWithOtherLinksIsRemovedLeavingTheOtherNameAlone)
{
    PrepareWorkFolder();
    WriteTextFile(m_tools.File("kept.txt"), "kept");
    chmod(m_tools.File("kept.txt").c_str(), 0444);
    fs::create_hard_link(m_tools.File("kept.txt"), Report());
    const auto before = Outside();
    const SProgramResult result = Run();
    ExpectSixVerdicts(result);
    EXPECT_THAT(result.strOutput, HasSubstr("System Memory: PASS (16384 MB)\n"));
    // The other name's link count drops back to one; nothing else of it changes.
    auto after = Outside();
    EXPECT_EQ(after.erase("tools/kept.txt"), 1u);
    auto expected = before;
    expected.erase("tools/kept.txt");
    EXPECT_EQ(after, expected);
    struct stat info
    {
    };
    ASSERT_EQ(stat(m_tools.File("kept.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0444u);
    EXPECT_EQ(ReadTextFile(m_tools.File("kept.txt")), "kept");
}

TEST_F(DiagnosticsFaultTest, AReportOverTheLimitFailsUnreadAndQuickly)
{
    m_options.environment["RIGVET_FAKE_ACTION"] = "sparse";
    m_options.environment["RIGVET_FAKE_SIZE"] = std::to_string(300LL * 1024 * 1024);
    PrepareWorkFolder();
    const auto before = Outside();
    const SProgramResult result = Run();
    EXPECT_EQ(Outside(), before);
    ExpectSixVerdicts(result);
    EXPECT_THAT(result.strOutput, HasSubstr(kNoReport));
    EXPECT_LT(result.nMaxRssKB, 64 * 1024);
}

TEST_F(DiagnosticsFaultTest, ADeeplyNestedReportEndsTheRunNormally)
{
    constexpr int kDepth = 200000;
    std::string strReport = "<DxDiag>";
    for (int i = 0; i < kDepth; ++i)
    {
        strReport += "<LogicalDisks>";
    }
    strReport += "<LogicalDisk><DriveLetter>/</DriveLetter><FreeSpace>1</FreeSpace></LogicalDisk>";
    for (int i = 0; i < kDepth; ++i)
    {
        strReport += "</LogicalDisks>";
    }
    strReport += "</DxDiag>";
    WriteTextFile(m_tools.File("nested.xml"), strReport);
    UseReport(m_tools.File("nested.xml"));
    PrepareWorkFolder();
    const auto before = Outside();
    const SProgramResult result = Run();
    EXPECT_EQ(Outside(), before);
    ExpectSixVerdicts(result);
    EXPECT_THAT(result.strOutput, HasSubstr("System Memory: FAIL (0 MB)\n"));
}

TEST_F(DiagnosticsFaultTest, MissingTemporaryDirectoryFailsTheWorkFolderStep)
{
    m_options.environment["XDG_RUNTIME_DIR"] = std::nullopt;
    m_options.environment["TMPDIR"] = m_temp.Path().string() + "/missing";
    const SProgramResult result = Run();
    ExpectSixVerdicts(result);
    EXPECT_THAT(result.strOutput, HasSubstr(kWorkFolderRefused));
    EXPECT_EQ(Calls(), "");
    EXPECT_FALSE(fs::exists(m_temp.Path().string() + "/missing"));
}

TEST_F(DiagnosticsFaultTest, UnwritableTemporaryDirectoryFailsTheWorkFolderStep)
{
    const CScratchMount readOnly("ro,size=1m,mode=0700");
    if (!readOnly.IsMounted())
    {
        GTEST_SKIP() << "this machine lets no test mount a file system";
    }
    m_options.environment["XDG_RUNTIME_DIR"] = std::nullopt;
    m_options.environment["TMPDIR"] = readOnly.Path();
    const SProgramResult result = Run();
    ExpectSixVerdicts(result);
    EXPECT_THAT(result.strOutput, HasSubstr(kWorkFolderRefused));
    EXPECT_EQ(Calls(), "");
}

// The real collector on a full disk: it cannot write its report, and the run ends as for a
// missing report.
TEST_F(DiagnosticsFaultTest, FullTemporaryDirectoryEndsTheRunAsForAMissingReport)
{
    const CScratchMount small("size=64k,mode=0700");
    if (!small.IsMounted())
    {
        GTEST_SKIP() << "this machine lets no test mount a file system (see "
                        "SimulatedFullDiskEndsTheRunAsForAMissingReport)";
    }
    {
        // More than it holds: what fits is written and the rest refused.
        std::ofstream filler(small.Path() + "/filler", std::ios::binary);
        filler << std::string(1024 * 1024, 'x');
    }
    m_options.environment["XDG_RUNTIME_DIR"] = std::nullopt;
    m_options.environment["TMPDIR"] = small.Path();
#ifdef RIGVET_DXDIAG_PATH
    m_options.environment["RIGVET_DXDIAG"] = RIGVET_DXDIAG_PATH;
#endif
    const SProgramResult result = Run();
    ExpectSixVerdicts(result);
    EXPECT_THAT(result.strOutput, HasSubstr(kNoReport));
    EXPECT_EQ(SnapshotTree(small.Path(), {"sm3/qualify"}).count("filler"), 1u);
}

TEST_F(DiagnosticsFaultTest, SimulatedFullDiskEndsTheRunAsForAMissingReport)
{
    m_options.environment["RIGVET_FAKE_ACTION"] = "partial";
    PrepareWorkFolder();
    const auto before = Outside();
    const SProgramResult result = Run();
    ExpectSixVerdicts(result);
    EXPECT_THAT(result.strOutput, HasSubstr(kNoReport));
    EXPECT_EQ(Outside(), before);
}
// The work folder lies in memory, as in $XDG_RUNTIME_DIR on a desktop; the free space judged is
// that of the disk of the home folder, not that of the memory.
TEST_F(DiagnosticsFaultTest, FreeDiskIsJudgedOnTheHomeFolderNotOnAWorkFolderInMemory)
{
    const CScratchMount runtime("size=1m,mode=0700");
    if (!runtime.IsMounted())
    {
        GTEST_SKIP() << "this machine lets no test mount a file system";
    }
    UseReportWithDisks({{runtime.Path(), "5555999999"}});
    m_options.environment["XDG_RUNTIME_DIR"] = runtime.Path();
    m_options.environment["HOME"] = m_tools.Path();
    const SProgramResult result = Run();
    ExpectSixVerdicts(result);
    EXPECT_THAT(result.strOutput, HasSubstr("Free Disk Space: PASS (7777 MB free)\n"));
    EXPECT_EQ(Calls(), "/whql:off /x qdxd.xml | " + runtime.Path() + "/sm3/qualify\n");
}

// The real collector and the reader agree on the name of a disk whatever bytes it has: here a
// byte that is no UTF-8, a backslash and a tab.
TEST_F(DiagnosticsFaultTest, AHomeDiskWhoseNameIsNoUtf8IsFoundInTheReport)
{
#ifndef RIGVET_DXDIAG_PATH
    GTEST_SKIP() << "the collector is not built here";
#else
    const CBindMount disk(m_tools.Path(), m_temp.Path().string() + "/disk-\xe9-\\-\t");
    if (!disk.IsMounted())
    {
        GTEST_SKIP() << "this machine lets no test mount a file system";
    }
    m_options.environment["RIGVET_DXDIAG"] = RIGVET_DXDIAG_PATH;
    m_options.environment["HOME"] = m_temp.Path().string() + "/disk-\xe9-\\-\t";
    const SProgramResult result = Run();
    ExpectSixVerdicts(result);
    EXPECT_THAT(result.strOutput, ::testing::ContainsRegex("\nFree Disk Space: [A-Z]+ \\([1-9]"));
#endif
}
} // namespace
