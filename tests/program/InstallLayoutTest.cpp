#include "support/ProgramRunner.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using ::testing::HasSubstr;

namespace
{
// rigvet-cli copied into the layout of an installation (PREFIX/bin and the collector's folder
// relative to it), run without RIGVET_DXDIAG: which collector does it start?
class InstallLayoutTest : public ::testing::Test
{
protected:
    InstallLayoutTest()
    {
        fs::create_directories(m_prefix.Path() / "bin");
        fs::copy_file(RIGVET_CLI_PATH, Program());
        for (const char* pszName :
             {"SSH_CONNECTION", "SSH_CLIENT", "SSH_TTY", "XRDP_SESSION", "RIGVET_OS_VERSION",
              "RIGVET_DXDIAG", "RIGVET_DRIVE_ROOT", "RIGVET_FAKE_ACTION", "RIGVET_FAKE_EXIT"})
        {
            m_options.environment[pszName] = std::nullopt;
        }
        m_options.environment["XDG_RUNTIME_DIR"] = m_temp.Path();
        m_options.environment["RIGVET_FAKE_REPORT"] =
            std::string(RIGVET_FIXTURES_DIR) + "/reports/typical.xml";
        m_options.environment["RIGVET_FAKE_LOG"] = m_temp.File("calls.log");
    }

    std::string Program() const { return (m_prefix.Path() / "bin/rigvet-cli").string(); }
    fs::path Installed() const
    {
        return (m_prefix.Path() / "bin" / RIGVET_COLLECTOR_INSTALL_FOLDER / "rigvet-dxdiag")
            .lexically_normal();
    }
    fs::path Beside() const { return m_prefix.Path() / "bin/rigvet-dxdiag"; }

    void PutCollector(const fs::path& path)
    {
        fs::create_directories(path.parent_path());
        fs::copy_file(RIGVET_FAKE_COLLECTOR_PATH, path);
    }

    // A collector beside the program that notes it ran and fails the capture.
    void PutFailingCollectorBeside()
    {
        WriteTextFile(Beside(),
                      "#!/bin/sh\necho beside >> '" + m_temp.File("beside.log") + "'\nexit 255\n");
        chmod(Beside().c_str(), 0755);
    }

    SProgramResult Run() { return RunProgram(Program(), {"--consent=no"}, m_options); }
    bool InstalledRan() const { return !ReadTextFile(m_temp.File("calls.log")).empty(); }
    bool BesideRan() const { return !ReadTextFile(m_temp.File("beside.log")).empty(); }

    CTestFolder m_prefix;
    CTestFolder m_temp;
    SProgramOptions m_options;
};

TEST_F(InstallLayoutTest, TheInstalledLayoutIsUnderThePrefix)
{
    EXPECT_EQ(fs::relative(Installed(), m_prefix.Path()).parent_path().filename(), "rigvet");
    EXPECT_NE(Installed().parent_path(), Beside().parent_path());
}

TEST_F(InstallLayoutTest, TheCollectorOfTheInstalledLayoutRuns)
{
    PutCollector(Installed());
    const SProgramResult result = Run();
    EXPECT_TRUE(InstalledRan()) << result.strOutput << result.strError;
    EXPECT_THAT(result.strOutput, HasSubstr("System Memory: PASS (16384 MB)\n"));
    EXPECT_THAT(result.strOutput, ::testing::Not(HasSubstr("Error Occurred")));
}

TEST_F(InstallLayoutTest, ACollectorBesideTheProgramComesFirst)
{
    PutCollector(Installed());
    PutFailingCollectorBeside();
    const SProgramResult result = Run();
    EXPECT_TRUE(BesideRan());
    EXPECT_FALSE(InstalledRan());
    EXPECT_EQ(result.nExitCode, 4);
    EXPECT_THAT(result.strOutput, HasSubstr("[Error Occurred - 10005]"));
}

TEST_F(InstallLayoutTest, WhatCannotRunBesideTheProgramIsPassedOver)
{
    PutCollector(Installed());
    // A folder, and then a file without execute permission, by the collector's name.
    fs::create_directory(Beside());
    Run();
    EXPECT_TRUE(InstalledRan());
    fs::remove(Beside());
    WriteTextFile(Beside(), "#!/bin/sh\nexit 255\n");
    chmod(Beside().c_str(), 0644);
    fs::remove(m_temp.File("calls.log"));
    Run();
    EXPECT_TRUE(InstalledRan());
}

TEST_F(InstallLayoutTest, NoCollectorFailsTheCaptureStep)
{
    const SProgramResult result = Run();
    EXPECT_EQ(result.nExitCode, 4);
    EXPECT_THAT(result.strOutput, HasSubstr("[Error Occurred - 10005]"));
}
} // namespace
