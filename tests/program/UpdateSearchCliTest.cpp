// rigvet-cli on the Windows 7 path, with the update records from a file of the test's own.
#include "support/ProgramRunner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;
using ::testing::Not;

namespace
{
constexpr const char* kLogLine = "The following updates were found on the system: ";

// This machine's own hardware is judged: a FAIL gives 1, else the clock's UNK (no consent) 2.
void ExpectFinishedExitCode(const SProgramResult& result)
{
    const bool bFail = result.strOutput.find(": FAIL") != std::string::npos;
    EXPECT_EQ(result.nExitCode, bFail ? 1 : 2) << result.strError;
}

class UpdateSearchCli : public ::testing::Test
{
protected:
    // Runs rigvet-cli as Windows 7 SP1 with the log in the test folder; the update file holds
    // strUpdates, or is absent when there is none.
    SProgramResult Run(const std::optional<std::string>& strUpdates, const std::string& strConsent)
    {
        SProgramOptions options;
        for (const char* pszName : {"SSH_CONNECTION", "SSH_CLIENT", "SSH_TTY", "XRDP_SESSION"})
        {
            options.environment[pszName] = std::nullopt;
        }
        // A work folder of the test's own, so parallel runs never share a report path.
        options.environment["TMPDIR"] = m_folder.Path();
        options.environment["XDG_RUNTIME_DIR"] = std::nullopt;
        options.environment["RIGVET_OS_VERSION"] = "6.1.1";
        options.environment["RIGVET_UPDATES_FILE"] = m_folder.File("updates.txt");
        if (strUpdates)
        {
            WriteTextFile(m_folder.File("updates.txt"), *strUpdates);
        }
        return RunProgram(RIGVET_CLI_PATH, {"--consent=" + strConsent, m_strLogPath}, options);
    }

    std::string LogPath() const { return m_strLogPath; }

    CTestFolder m_folder;
    std::string m_strLogPath = m_folder.File("updates.log");
};

TEST_F(UpdateSearchCli, AllArticlesInstalledPassAndAreLogged)
{
    const SProgramResult result = Run("4474419\r\n4490628,4536952\r\n", "no");
    ExpectFinishedExitCode(result);
    EXPECT_THAT(result.strOutput,
                HasSubstr("Windows Updates: PASS (4474419, 4490628, 4536952 installed)\n"));
    EXPECT_THAT(result.strOutput, Not(HasSubstr("[Error Occurred")));
    EXPECT_EQ(ReadTextFile(LogPath()), std::string(kLogLine) + "4474419,4490628,4536952");
}

TEST_F(UpdateSearchCli, MissingArticleFailsAndStopsTheClockCheckWith10003)
{
    const SProgramResult result = Run("4474419\n\n4536952\n", "yes");
    EXPECT_EQ(result.nExitCode, 1) << result.strError;
    EXPECT_THAT(result.strOutput, HasSubstr("[Error Occurred - 10003]\n"));
    EXPECT_THAT(result.strOutput,
                HasSubstr("Windows Updates: FAIL (4474419, 4536952 installed; 4490628 missing)\n"
                          "    Windows 7 SP1 needs the updates 4474419, 4490628, 4536952\n"));
    EXPECT_THAT(result.strOutput, HasSubstr("Accurate System Time: UNK (not compared)\n"
                                            "    not compared: the Windows updates test failed\n"));
    EXPECT_EQ(ReadTextFile(LogPath()), std::string(kLogLine) + "4474419,4536952");
}

TEST_F(UpdateSearchCli, IdsOutsideAsciiAreLoggedAsQuestionMarks)
{
    const SProgramResult result = Run("4474419\n4490628,KB\xc3\xa9\xe2\x82\xac,4536952\n", "no");
    ExpectFinishedExitCode(result);
    EXPECT_EQ(ReadTextFile(LogPath()), std::string(kLogLine) + "4474419,4490628,KB??,4536952");
}

TEST_F(UpdateSearchCli, ALogThatCannotBeWrittenIsNamedOnStandardError)
{
    m_strLogPath = "/dev/full";
    const SProgramResult result = Run("4474419,4490628,4536952\n", "no");
    ExpectFinishedExitCode(result);
    EXPECT_EQ(
        result.strError,
        "rigvet-cli: the log file /dev/full could not be written (No space left on device)\n");
    EXPECT_THAT(result.strOutput,
                HasSubstr("Windows Updates: PASS (4474419, 4490628, 4536952 installed)\n"));
}

TEST_F(UpdateSearchCli, MissingUpdateFileEndsTheRunWith11000)
{
    const SProgramResult result = Run(std::nullopt, "yes");
    EXPECT_EQ(result.nExitCode, 4) << result.strError;
    EXPECT_THAT(
        result.strOutput,
        HasSubstr("[Error Occurred - 11000]\nThe Windows Update Agent Knowledge Base search "
                  "has failed. The testing has been aborted.\n"));
    EXPECT_THAT(result.strOutput, Not(HasSubstr("[Error Occurred - 10003]")));
    EXPECT_THAT(result.strOutput, HasSubstr("Windows Updates: FAIL (update search failed)\n"));
    EXPECT_EQ(ReadTextFile(LogPath()), "");
}
} // namespace
