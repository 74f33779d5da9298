// Measures the diagnostics report step on a generated report: the time to load and evaluate it
// against pugixml alone loading the same file (its default options), and the peak memory that
// each adds, taken in a fresh child process each.
//
//   rigvet_report_bench [MEGABYTES] [REPETITIONS]   one report, both ways
//   rigvet_report_bench --growth                    reports from 10 KB to 20 MB, as a table
//   rigvet_report_bench --write PATH MEGABYTES      writes the generated report, for peers
#include "diagnostics/HardwareChecks.h"
#include "diagnostics/XmlReport.h"
#include "support/LargeReport.h"
#include "support/TestFolder.h"
#include "support/TextConvert.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <pugixml.hpp>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace
{
struct STimes
{
    double fMinimumMs = 0;
    double fMedianMs = 0;
};

bool LoadWithPugixml(const std::string& strPath)
{
    pugi::xml_document document;
    return static_cast<bool>(document.load_file(strPath.c_str()));
}

bool LoadAndEvaluate(const std::string& strPath)
{
    const auto pDocument = LoadDiagnosticsReport(Utf8ToWide(strPath));
    TestResults results;
    EvaluateHardwareReport(*pDocument, results, kLargeReportDriveRoot);
    return results.m_nFreeDiskMB == kLargeReportFreeDiskMB &&
           results.m_nMemoryMB == kLargeReportMemoryMB;
}

bool RunMode(const std::string& strMode, const std::string& strPath)
{
    if (strMode == "pugixml")
    {
        return LoadWithPugixml(strPath);
    }
    if (strMode == "rigvet")
    {
        return LoadAndEvaluate(strPath);
    }
    return false;
}

double TimeOnceMs(const std::string& strMode, const std::string& strPath)
{
    const auto start = std::chrono::steady_clock::now();
    if (!RunMode(strMode, strPath))
    {
        std::fprintf(stderr, "%s: the report was not read correctly\n", strMode.c_str());
        std::exit(1);
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

STimes Summarise(std::vector<double> aMs)
{
    std::sort(aMs.begin(), aMs.end());
    return STimes{aMs.front(), aMs[aMs.size() / 2]};
}

// The high-water mark of this process's resident memory, in bytes.
long long ReadPeakResidentBytes()
{
    std::ifstream status("/proc/self/status");
    std::string strLine;
    while (std::getline(status, strLine))
    {
        if (strLine.rfind("VmHWM:", 0) == 0)
        {
            return std::atoll(strLine.c_str() + 6) * 1024LL;
        }
    }
    return -1;
}

// Runs this program again with the arguments and returns what it printed; empty when it failed.
std::string RunSelf(std::vector<std::string> aArguments)
{
    int aPipe[2];
    if (pipe(aPipe) != 0)
    {
        return std::string();
    }
    std::string strSelf = std::filesystem::read_symlink("/proc/self/exe").string();
    std::vector<char*> apArgv{strSelf.data()};
    for (std::string& strArgument : aArguments)
    {
        apArgv.push_back(strArgument.data());
    }
    apArgv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, aPipe[1], STDOUT_FILENO);
    pid_t nChild = 0;
    const int nSpawn =
        posix_spawn(&nChild, strSelf.c_str(), &actions, nullptr, apArgv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(aPipe[1]);
    std::string strOutput;
    char aBuffer[256];
    for (ssize_t n = 0; nSpawn == 0 && (n = read(aPipe[0], aBuffer, sizeof(aBuffer))) > 0;)
    {
        strOutput.append(aBuffer, static_cast<std::size_t>(n));
    }
    close(aPipe[0]);
    int nStatus = 0;
    if (nSpawn != 0 || waitpid(nChild, &nStatus, 0) != nChild || !WIFEXITED(nStatus) ||
        WEXITSTATUS(nStatus) != 0)
    {
        return std::string();
    }
    return strOutput;
}

// How far one run of a mode raises the peak resident memory of a fresh child process; the child
// prints the figure. A fresh process is needed because the peak never goes down.
long long MeasurePeakBytes(const std::string& strMode, const std::string& strPath)
{
    const std::string strOutput = RunSelf({"--child", strMode, strPath});
    return strOutput.empty() ? -1 : std::atoll(strOutput.c_str());
}

// A generated report of about the size, written to a folder of its own that the object removes.
class CReportFile
{
public:
    explicit CReportFile(double fMegabytes) { m_nBytes = WriteReport(Path(), fMegabytes); }
    std::string Path() const { return m_folder.File("qdxd.xml"); }
    std::size_t Bytes() const { return m_nBytes; }

    static std::size_t WriteReport(const std::string& strPath, double fMegabytes)
    {
        const std::string strXml =
            GenerateLargeReport(static_cast<std::size_t>(fMegabytes * 1024 * 1024));
        std::ofstream(strPath, std::ios::binary) << strXml;
        return strXml.size();
    }

private:
    CTestFolder m_folder;
    std::size_t m_nBytes = 0;
};

// Alternating, so that load from other processes falls on both alike.
std::pair<STimes, STimes> TimeBoth(const std::string& strPath, int nRepetitions)
{
    TimeOnceMs("rigvet", strPath); // warm the page cache
    std::vector<double> aPugixmlMs;
    std::vector<double> aRigvetMs;
    for (int i = 0; i < nRepetitions; ++i)
    {
        aPugixmlMs.push_back(TimeOnceMs("pugixml", strPath));
        aRigvetMs.push_back(TimeOnceMs("rigvet", strPath));
    }
    return {Summarise(aPugixmlMs), Summarise(aRigvetMs)};
}

void PrintComparison(double fMegabytes, int nRepetitions)
{
    const CReportFile report(fMegabytes);
    const auto [pugixml, rigvet] = TimeBoth(report.Path(), nRepetitions);
    const long long llPugixml = MeasurePeakBytes("pugixml", report.Path());
    const long long llRigvet = MeasurePeakBytes("rigvet", report.Path());
    const double fBytes = static_cast<double>(report.Bytes());

    std::printf("report: %.2f MB (%zu bytes), %d repetitions\n", fBytes / (1024 * 1024),
                report.Bytes(), nRepetitions);
    std::printf("time, pugixml alone loading:    min %8.2f ms  median %8.2f ms\n",
                pugixml.fMinimumMs, pugixml.fMedianMs);
    std::printf("time, load + evaluate (rigvet): min %8.2f ms  median %8.2f ms\n",
                rigvet.fMinimumMs, rigvet.fMedianMs);
    std::printf("time ratio (median): %.2fx  (target at most 1.50x)\n",
                rigvet.fMedianMs / pugixml.fMedianMs);
    std::printf("peak memory added, pugixml alone: %7.2f MB = %.2fx the file\n",
                static_cast<double>(llPugixml) / (1024 * 1024),
                static_cast<double>(llPugixml) / fBytes);
    std::printf("peak memory added, rigvet:        %7.2f MB = %.2fx the file  (target at most "
                "3x)\n",
                static_cast<double>(llRigvet) / (1024 * 1024),
                static_cast<double>(llRigvet) / fBytes);
}

// One row of the growth table, in a process of its own: the allocator's state after loading one
// size would change the figures of the next.
void PrintGrowthRow(double fMegabytes, int nRepetitions)
{
    const CReportFile report(fMegabytes);
    const auto [pugixml, rigvet] = TimeBoth(report.Path(), nRepetitions);
    const long long llRigvet = MeasurePeakBytes("rigvet", report.Path());
    const double fBytes = static_cast<double>(report.Bytes());
    std::printf("%7.2f MB %14.3f %14.3f %16.2f %12.2f\n", fBytes / (1024 * 1024), rigvet.fMedianMs,
                pugixml.fMedianMs, static_cast<double>(llRigvet) / (1024 * 1024),
                static_cast<double>(llRigvet) / fBytes);
}

// The smallest report the generator makes holds its devices and disks, about 40 KB.
void PrintGrowth()
{
    std::printf("%10s %14s %14s %16s %12s\n", "report", "rigvet ms", "pugixml ms", "rigvet peak MB",
                "x the file");
    const std::pair<const char*, const char*> aSizes[] = {
        {"0.01", "50"}, {"0.1", "30"}, {"1", "15"}, {"5", "7"}, {"20", "3"}};
    for (const auto& [pszMegabytes, pszRepetitions] : aSizes)
    {
        std::fputs(RunSelf({"--growth-row", pszMegabytes, pszRepetitions}).c_str(), stdout);
    }
}
} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--child") == 0)
    {
        const long long llBefore = ReadPeakResidentBytes();
        if (!RunMode(argv[2], argv[3]))
        {
            return 1;
        }
        std::printf("%lld\n", ReadPeakResidentBytes() - llBefore);
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "--write") == 0)
    {
        CReportFile::WriteReport(argv[2], std::atof(argv[3]));
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "--growth-row") == 0)
    {
        PrintGrowthRow(std::atof(argv[2]), std::max(1, std::atoi(argv[3])));
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--growth") == 0)
    {
        PrintGrowth();
        return 0;
    }
    const double fMegabytes = argc > 1 ? std::atof(argv[1]) : 5.0;
    const int nRepetitions = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;
    PrintComparison(fMegabytes, nRepetitions);
    return 0;
}
