#include "support/ProgramRunner.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <pugixml.hpp>
#include <sstream>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
SProgramResult RunCollector(const std::vector<std::string>& aArguments)
{
    return RunProgram(RIGVET_DXDIAG_PATH, aArguments);
}

std::vector<std::string> ListNames(const std::string& strFolder)
{
    std::vector<std::string> aNames;
    for (const fs::directory_entry& entry : fs::directory_iterator(strFolder))
    {
        aNames.push_back(entry.path().filename().string());
    }
    return aNames;
}

// Installed memory worked out here on its own: online memory blocks, else MemTotal.
std::uint64_t ExpectedMemoryMB()
{
    const fs::path memory = "/sys/devices/system/memory";
    std::ifstream blockSizeFile(memory / "block_size_bytes");
    std::uint64_t llBlockSize = 0;
    if (blockSizeFile >> std::hex >> llBlockSize)
    {
        std::uint64_t llOnline = 0;
        for (const fs::directory_entry& entry : fs::directory_iterator(memory))
        {
            const std::string strName = entry.path().filename().string();
            std::string strState;
            if (strName.rfind("memory", 0) == 0 &&
                std::ifstream(entry.path() / "state") >> strState && strState == "online")
            {
                ++llOnline;
            }
        }
        if (llOnline > 0)
        {
            return llBlockSize * llOnline / 1048576;
        }
    }
    std::ifstream meminfo("/proc/meminfo");
    std::string strKey;
    std::uint64_t llKiB = 0;
    while (meminfo >> strKey >> llKiB)
    {
        if (strKey == "MemTotal:")
        {
            return llKiB * 1024 / 1048576;
        }
        meminfo.ignore(1000, '\n');
    }
    return 0;
}

// The mount point of the file system that holds strPath: the highest folder on the same device.
std::string FindMountPoint(const std::string& strPath)
{
    fs::path current = fs::canonical(strPath);
    struct stat status
    {
    };
    stat(current.c_str(), &status);
    while (current.has_parent_path() && current != current.root_path())
    {
        struct stat parent
        {
        };
        if (stat(current.parent_path().c_str(), &parent) != 0 || parent.st_dev != status.st_dev)
        {
            break;
        }
        current = current.parent_path();
    }
    return current.string();
}

std::size_t CountPlaybackDevices()
{
    std::ifstream pcm("/proc/asound/pcm");
    std::size_t nCount = 0;
    for (std::string strLine; std::getline(pcm, strLine);)
    {
        nCount += strLine.find("playback") != std::string::npos ? 1 : 0;
    }
    return nCount;
}

class CollectorRun : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_strReport = m_folder.File("r.xml");
        m_result = RunCollector({"/whql:off", "/x", m_strReport});
        ASSERT_EQ(m_result.nExitCode, 0) << m_result.strError;
        const pugi::xml_parse_result parse = m_document.load_file(m_strReport.c_str());
        ASSERT_TRUE(parse) << parse.description();
    }

    std::string Text(const char* pszQuery) const
    {
        return m_document.select_node(pszQuery).node().text().get();
    }

    CTestFolder m_folder;
    std::string m_strReport;
    SProgramResult m_result;
    pugi::xml_document m_document;
};
} // namespace

TEST_F(CollectorRun, WritesAWellFormedReportAndNothingElse)
{
    EXPECT_STREQ(m_document.document_element().name(), "DxDiag");
    EXPECT_EQ(ListNames(m_folder.Path()), std::vector<std::string>{"r.xml"});
    struct stat status
    {
    };
    ASSERT_EQ(stat(m_strReport.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600U);
    EXPECT_EQ(m_result.strOutput, "");
    EXPECT_EQ(m_result.strError, "");
}

TEST_F(CollectorRun, MemoryIsWhatTheKernelCounts)
{
    EXPECT_EQ(Text("DxDiag/SystemInformation/Memory"),
              std::to_string(ExpectedMemoryMB()) + "MB RAM");
}

TEST_F(CollectorRun, SystemInformationNamesThisMachine)
{
    char aHost[256] = "";
    gethostname(aHost, sizeof aHost - 1);
    EXPECT_EQ(Text("DxDiag/SystemInformation/MachineName"), aHost);
    EXPECT_THAT(Text("DxDiag/SystemInformation/OperatingSystem"), ::testing::HasSubstr("Linux"));
    EXPECT_NE(Text("DxDiag/SystemInformation/Processor"), "");
    EXPECT_EQ(Text("DxDiag/SystemInformation/DirectXVersion"), "Not applicable (Linux)");
}

TEST_F(CollectorRun, DiskOfTheWorkFolderCarriesItsFreeSpace)
{
    const std::string strMountPoint = FindMountPoint(m_folder.Path());
    struct statvfs status
    {
    };
    ASSERT_EQ(statvfs(m_folder.Path().c_str(), &status), 0);
    const double fExpected =
        static_cast<double>(status.f_bavail) * static_cast<double>(status.f_frsize);
    bool bFound = false;
    for (const pugi::xpath_node& disk : m_document.select_nodes("DxDiag/LogicalDisks/LogicalDisk"))
    {
        if (std::string(disk.node().child("DriveLetter").text().get()) != strMountPoint)
        {
            continue;
        }
        bFound = true;
        const double fFree = static_cast<double>(disk.node().child("FreeSpace").text().as_ullong());
        // Other programs write to the same disk meanwhile.
        EXPECT_NEAR(fFree, fExpected, 256.0 * 1048576) << strMountPoint;
        EXPECT_GE(disk.node().child("MaxSpace").text().as_ullong(),
                  disk.node().child("FreeSpace").text().as_ullong());
        // Its type is known where the mount is listed; a chroot's root is not.
        EXPECT_TRUE(disk.node().child("FileSystem"));
    }
    EXPECT_TRUE(bFound) << "no LogicalDisk for " << strMountPoint;
}

TEST_F(CollectorRun, SoundDevicesAreThePlaybackDevices)
{
    EXPECT_EQ(m_document.select_nodes("DxDiag/DirectSound/SoundDevices/SoundDevice").size(),
              CountPlaybackDevices());
}

TEST_F(CollectorRun, EveryDrmCardIsADisplayDevice)
{
    std::size_t nCards = 0;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator("/sys/class/drm", error))
    {
        const std::string strName = entry.path().filename().string();
        nCards += strName.rfind("card", 0) == 0 && strName.find('-') == std::string::npos ? 1 : 0;
    }
    const pugi::xpath_node_set devices =
        m_document.select_nodes("DxDiag/DisplayDevices/DisplayDevice");
    EXPECT_GE(devices.size(), nCards);
    if (nCards == 0)
    {
        // Without display hardware the machine renders in software, which the run warns about.
        ASSERT_EQ(devices.size(), 1U);
        EXPECT_STREQ(devices[0].node().child("CardName").text().get(),
                     "Microsoft Basic Display Adapter");
    }
    for (const pugi::xpath_node& device : devices)
    {
        EXPECT_STRNE(device.node().child("CardName").text().get(), "");
        EXPECT_TRUE(device.node().child("FeatureLevels"));
    }
}

TEST(CollectorSafety, ExistingReportIsNeitherOverwrittenNorRemoved)
{
    CTestFolder folder;
    WriteTextFile(folder.File("r.xml"), "old content");
    const SProgramResult result = RunCollector({"/whql:off", "/x", folder.File("r.xml")});
    EXPECT_NE(result.nExitCode, 0);
    EXPECT_NE(result.strError, "");
    EXPECT_EQ(ReadTextFile(folder.File("r.xml")), "old content");
    EXPECT_EQ(ListNames(folder.Path()), std::vector<std::string>{"r.xml"});
}

TEST(CollectorSafety, PlantedLinkIsNotFollowed)
{
    CTestFolder folder;
    WriteTextFile(folder.File("target"), "victim");
    fs::create_symlink(folder.File("target"), folder.File("r.xml"));
    fs::create_symlink(folder.File("absent"), folder.File("dangling.xml"));

    EXPECT_NE(RunCollector({"/whql:off", "/x", folder.File("r.xml")}).nExitCode, 0);
    EXPECT_NE(RunCollector({"/whql:off", "/x", folder.File("dangling.xml")}).nExitCode, 0);

    EXPECT_EQ(ReadTextFile(folder.File("target")), "victim");
    EXPECT_TRUE(fs::is_symlink(folder.File("r.xml")));
    EXPECT_FALSE(fs::exists(folder.File("absent")));
    std::vector<std::string> aNames = ListNames(folder.Path());
    std::sort(aNames.begin(), aNames.end());
    EXPECT_EQ(aNames, (std::vector<std::string>{"dangling.xml", "r.xml", "target"}));
}

TEST(CollectorSafety, MissingFolderFails)
{
    CTestFolder folder;
    const SProgramResult result = RunCollector({"/whql:off", "/x", folder.File("absent/r.xml")});
    EXPECT_NE(result.nExitCode, 0);
    EXPECT_THAT(result.strError, ::testing::HasSubstr("rigvet-dxdiag"));
    EXPECT_FALSE(fs::exists(folder.File("absent")));
}

TEST(CollectorSafety, ReportPathNamingAFolderFails)
{
    CTestFolder folder;
    EXPECT_NE(RunCollector({"/whql:off", "/x", folder.Path().string() + "/"}).nExitCode, 0);
    EXPECT_NE(RunCollector({"/whql:off", "/x", folder.Path()}).nExitCode, 0);
    EXPECT_TRUE(ListNames(folder.Path()).empty());
}

TEST(CollectorCommandLineRun, BadCommandLinesAreRefused)
{
    CTestFolder folder;
    const std::vector<std::vector<std::string>> aCases = {
        {},
        {"/whql:off"},
        {"/whql:off", "/x"},
        {"/whql:off", "/t", folder.File("r.xml")},
        {"/x", folder.File("r.xml"), "/bogus"},
        {"/x", folder.File("a.xml"), "/x", folder.File("b.xml")}};
    for (const std::vector<std::string>& aArguments : aCases)
    {
        const SProgramResult result = RunCollector(aArguments);
        EXPECT_EQ(result.nExitCode, 2) << ::testing::PrintToString(aArguments);
        EXPECT_THAT(result.strError, ::testing::HasSubstr("usage: rigvet-dxdiag"));
    }
    EXPECT_TRUE(ListNames(folder.Path()).empty());
}

TEST(CollectorCommandLineRun, HelpSaysWhatTheCollectorIsAndWritesNothing)
{
    const SProgramResult result = RunCollector({"--help"});
    EXPECT_EQ(result.nExitCode, 0);
    EXPECT_THAT(result.strOutput, ::testing::HasSubstr("usage: rigvet-dxdiag [/whql:off] /x PATH"));
    EXPECT_THAT(result.strOutput, ::testing::HasSubstr("diagnostics collector"));
    EXPECT_EQ(result.strError, "");
}
