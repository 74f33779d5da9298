#include "support/ProgramRunner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;
using ::testing::Not;

namespace
{
SProgramOptions LocalSession()
{
    SProgramOptions options;
    for (const char* pszName :
         {"SSH_CONNECTION", "SSH_CLIENT", "SSH_TTY", "XRDP_SESSION", "RIGVET_OS_VERSION"})
    {
        options.environment[pszName] = std::nullopt;
    }
    return options;
}

constexpr const char* kConsentQuestion = "[Internet Consent]\nAn internet connection is required";
} // namespace

TEST(CliRun, RemoteLoginIsRefusedAfterTheConsentQuestion)
{
    for (const char* pszVariable : {"SSH_CONNECTION", "SSH_TTY", "XRDP_SESSION"})
    {
        SCOPED_TRACE(pszVariable);
        SProgramOptions options = LocalSession();
        options.environment[pszVariable] = "1";
        const SProgramResult result = RunProgram(RIGVET_CLI_PATH, {"--consent=yes"}, options);
        EXPECT_EQ(result.nExitCode, 3);
        EXPECT_THAT(result.strOutput, HasSubstr(kConsentQuestion));
        EXPECT_THAT(result.strOutput,
                    HasSubstr("[Remote Desktop Detected]\nA remote desktop session "
                              "has been detected."));
        EXPECT_THAT(result.strOutput, Not(HasSubstr("Test is running")));
        EXPECT_THAT(result.strOutput, HasSubstr("No verdicts: the test did not run."));
    }
}

TEST(CliRun, OldSystemsAreRefusedAndTheLogIsLeftEmpty)
{
    CTestFolder folder;
    WriteTextFile(folder.File("q.log"), "old content");
    SProgramOptions options = LocalSession();
    options.environment["RIGVET_OS_VERSION"] = "6.1.0";
    const SProgramResult result =
        RunProgram(RIGVET_CLI_PATH, {folder.File("q.log"), "more"}, options);
    EXPECT_EQ(result.nExitCode, 3);
    EXPECT_THAT(result.strOutput, HasSubstr("[Insufficient Operating System]\nStimora 3.0 and "
                                            "Fieldora 1.0 experiment runs require Windows 7 SP1"));
    EXPECT_EQ(ReadTextFile(folder.File("q.log")), "");
}

TEST(CliRun, WithoutATerminalTheConsentAnswerIsNo)
{
    SProgramOptions options = LocalSession();
    options.environment["RIGVET_OS_VERSION"] = "6.0.0";
    const SProgramResult result = RunProgram(RIGVET_CLI_PATH, {}, options);
    EXPECT_THAT(result.strOutput, HasSubstr("Answer: No"));

    const SProgramResult consented = RunProgram(RIGVET_CLI_PATH, {"--consent=yes"}, options);
    EXPECT_THAT(consented.strOutput, HasSubstr("Answer: Yes"));
}

TEST(CliRun, InvalidOptionsAndOverridesAreRejectedBeforeAnyTest)
{
    const std::pair<std::vector<std::string>, std::optional<std::string>> aCases[] = {
        {{"--consent=maybe"}, std::nullopt},
        {{"--consent="}, std::nullopt},
        {{"--consent", "yes"}, std::nullopt},
        {{"/x", "q.log"}, std::nullopt},
        {{"--bogus"}, std::nullopt},
        {{}, "6.1"},
        {{}, "seven"},
    };
    for (const auto& [aArguments, osVersion] : aCases)
    {
        SProgramOptions options = LocalSession();
        options.environment["RIGVET_OS_VERSION"] = osVersion;
        const SProgramResult result = RunProgram(RIGVET_CLI_PATH, aArguments, options);
        EXPECT_EQ(result.nExitCode, 64);
        EXPECT_THAT(result.strError, HasSubstr("rigvet-cli: "));
        EXPECT_THAT(result.strOutput, Not(HasSubstr("[Internet Consent]")));
    }
}

TEST(CliRun, FinishedRunPrintsSixVerdictLines)
{
    CTestFolder folder;
    SProgramOptions options = LocalSession();
    options.environment["TMPDIR"] = folder.Path();
    options.environment["XDG_RUNTIME_DIR"] = std::nullopt;
    const SProgramResult result = RunProgram(RIGVET_CLI_PATH, {"--consent=no"}, options);
    // This machine's own report: a FAIL gives 1, else the clock's UNK gives 2.
    const bool bFail = result.strOutput.find(": FAIL") != std::string::npos;
    EXPECT_EQ(result.nExitCode, bFail ? 1 : 2) << result.strOutput;
    for (const char* pszRequirement : {"Display Device", "Sound Device", "Windows Updates",
                                       "System Memory", "Free Disk Space", "Accurate System Time"})
    {
        EXPECT_THAT(result.strOutput, ::testing::ContainsRegex(std::string("\n") + pszRequirement +
                                                               ": (PASS|FAIL|UNK)"));
    }
    EXPECT_THAT(result.strOutput, HasSubstr("Accurate System Time: UNK"));
}

TEST(CliRun, ALogPathThatIsAFolderIsNamedOnStandardErrorAndTheRunFinishes)
{
    CTestFolder folder;
    SProgramOptions options = LocalSession();
    options.environment["TMPDIR"] = folder.Path();
    options.environment["XDG_RUNTIME_DIR"] = std::nullopt;
    const SProgramResult result =
        RunProgram(RIGVET_CLI_PATH, {"--consent=no", folder.Path()}, options);
    // This machine's own report: a FAIL gives 1, else the clock's UNK gives 2.
    const bool bFail = result.strOutput.find(": FAIL") != std::string::npos;
    EXPECT_EQ(result.nExitCode, bFail ? 1 : 2) << result.strOutput;
    EXPECT_EQ(result.strError, "rigvet-cli: the log file " + folder.Path().string() +
                                   " could not be opened (Is a directory)\n");
    EXPECT_THAT(result.strOutput, HasSubstr("\nAccurate System Time: UNK"));
}
