#pragma once

// A run of rigvet-cli in a private temporary directory with the fake collector in place, shared
// by the whole-program tests of the diagnostics step.
#include "support/ProgramRunner.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

inline const std::string kReports = std::string(RIGVET_FIXTURES_DIR) + "/reports/";
inline constexpr const char* kCollectorFailed =
    "[Error Occurred - 10005]\nThe execution of dxdiag.exe has failed. Ret = -1\n";
inline constexpr const char* kWorkFolderRefused = "[Error Occurred - 25101]\nThe work folder ";

// The mount points of this machine, so a report can list a disk for whichever holds the work
// folder; "/" among them also where the root is no mount of its own (a chroot).
inline std::vector<std::string> ReadMountPoints()
{
    std::ifstream mountInfo("/proc/self/mountinfo");
    std::vector<std::string> aMountPoints;
    std::string strLine;
    while (std::getline(mountInfo, strLine))
    {
        std::istringstream fields(strLine);
        std::string strField;
        for (int i = 0; i < 5 && fields >> strField; ++i)
        {
        }
        if (strField.find('\\') == std::string::npos) // escaped names are not needed here
        {
            aMountPoints.push_back(strField);
        }
    }
    aMountPoints.push_back("/");
    return aMountPoints;
}

class DiagnosticsRunTest : public ::testing::Test
{
protected:
    DiagnosticsRunTest()
    {
        for (const char* pszName :
             {"SSH_CONNECTION", "SSH_CLIENT", "SSH_TTY", "XRDP_SESSION", "RIGVET_OS_VERSION",
              "RIGVET_FAKE_REPORT", "RIGVET_FAKE_ACTION", "RIGVET_FAKE_EXIT", "RIGVET_DRIVE_ROOT"})
        {
            m_options.environment[pszName] = std::nullopt;
        }
        m_options.environment["XDG_RUNTIME_DIR"] = m_temp.Path();
        m_options.environment["TMPDIR"] = m_temp.Path();
        m_options.environment["RIGVET_DXDIAG"] = RIGVET_FAKE_COLLECTOR_PATH;
        m_options.environment["RIGVET_FAKE_LOG"] = m_tools.File("calls.log");
    }

    std::string WorkFolder() const { return m_temp.Path().string() + "/sm3/qualify"; }
    std::string Report() const { return WorkFolder() + "/qdxd.xml"; }
    std::string Calls() const { return ReadTextFile(m_tools.File("calls.log")); }

    void UseReport(const std::string& strPath)
    {
        m_options.environment["RIGVET_FAKE_REPORT"] = strPath;
    }

    // The typical report with a disk of 7777 MB free in front for every mount point, or of the
    // free bytes given for it.
    void UseReportWithDisks(const std::map<std::string, std::string>& freeBytes = {})
    {
        std::string strDisks = "<LogicalDisks>";
        for (const std::string& strMountPoint : ReadMountPoints())
        {
            const auto itFree = freeBytes.find(strMountPoint);
            strDisks += "<LogicalDisk><DriveLetter>" + strMountPoint + "</DriveLetter><FreeSpace>" +
                        (itFree != freeBytes.end() ? itFree->second : "7777999999") +
                        "</FreeSpace></LogicalDisk>";
        }
        std::string strReport = ReadTextFile(kReports + "typical.xml");
        strReport.replace(strReport.find("<LogicalDisks>"), 14, strDisks);
        WriteTextFile(m_tools.File("report.xml"), strReport);
        UseReport(m_tools.File("report.xml"));
    }

    void PrepareWorkFolder()
    {
        fs::create_directories(WorkFolder());
        chmod((m_temp.Path().string() + "/sm3").c_str(), 0700);
        chmod(WorkFolder().c_str(), 0700);
    }

    SProgramResult Run() { return RunProgram(RIGVET_CLI_PATH, {"--consent=no"}, m_options); }

    CTestFolder m_temp;
    CTestFolder m_tools;
    SProgramOptions m_options;
};
