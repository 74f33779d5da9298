#include "support/ProgramRunner.h"

#include <algorithm>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace
{
// A local session whose dialog draws offscreen, runs once without a user and saves a picture.
SProgramOptions UnattendedDialog(const CTestFolder& folder)
{
    SProgramOptions options;
    for (const char* pszName : {"SSH_CONNECTION", "SSH_CLIENT", "SSH_TTY", "XRDP_SESSION",
                                "RIGVET_OS_VERSION", "DISPLAY", "WAYLAND_DISPLAY"})
    {
        options.environment[pszName] = std::nullopt;
    }
    options.environment["QT_QPA_PLATFORM"] = "offscreen";
    // The run's work folder goes to a temporary folder of the test's own, beside the files it
    // checks.
    std::filesystem::create_directory(folder.File("temp"));
    std::filesystem::permissions(folder.File("temp"), std::filesystem::perms::owner_all);
    options.environment["TMPDIR"] = folder.File("temp");
    options.environment["XDG_RUNTIME_DIR"] = std::nullopt;
    options.environment["RIGVET_SCREENSHOT"] = folder.File("dialog.png");
    options.strWorkingDirectory = folder.Path();
    return options;
}

bool Exists(const std::string& strPath)
{
    return std::filesystem::exists(strPath);
}
} // namespace

TEST(DialogProgram, WithoutDisplaySaysSoInOneLineAndPointsToTheConsole)
{
    SProgramOptions options;
    for (const char* pszName :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "RIGVET_SCREENSHOT"})
    {
        options.environment[pszName] = std::nullopt;
    }
    const SProgramResult result = RunProgram(RIGVET_GUI_PATH, {}, options);
    EXPECT_NE(result.nExitCode, 0);
    EXPECT_THAT(result.strError, HasSubstr("rigvet-cli"));
    EXPECT_EQ(std::count(result.strError.begin(), result.strError.end(), '\n'), 1);
    EXPECT_EQ(result.strOutput, "");
}

TEST(DialogProgram, FirstArgumentThatIsNoSwitchIsTheLogPath)
{
    const CTestFolder folder;
    const SProgramResult result =
        RunProgram(RIGVET_GUI_PATH, {"/x", folder.File("q.log"), folder.File("other.log")},
                   UnattendedDialog(folder));
    EXPECT_EQ(result.nExitCode, 0) << result.strError;
    EXPECT_THAT(result.strError, HasSubstr("[Internet Consent]"));
    EXPECT_TRUE(Exists(folder.File("q.log")));
    EXPECT_FALSE(Exists(folder.File("other.log")));
    EXPECT_TRUE(Exists(folder.File("dialog.png")));
}

TEST(DialogProgram, DashArgumentIsASwitchAndRelativePathsStayRelative)
{
    const CTestFolder folder;
    std::filesystem::create_directory(folder.File("My Logs"));
    const SProgramResult result =
        RunProgram(RIGVET_GUI_PATH, {"-log.txt", "My Logs/q.log"}, UnattendedDialog(folder));
    EXPECT_EQ(result.nExitCode, 0) << result.strError;
    EXPECT_FALSE(Exists(folder.File("-log.txt")));
    EXPECT_TRUE(Exists(folder.File("My Logs/q.log")));
}

TEST(DialogProgram, NoArgumentsWritesNoLog)
{
    const CTestFolder folder;
    const SProgramResult result = RunProgram(RIGVET_GUI_PATH, {}, UnattendedDialog(folder));
    EXPECT_EQ(result.nExitCode, 0) << result.strError;
    // Only the picture of the hook is left beside the temporary folder.
    std::vector<std::string> aNames;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
    {
        aNames.push_back(entry.path().filename().string());
    }
    EXPECT_THAT(aNames, ::testing::UnorderedElementsAre("dialog.png", "temp"));
}

TEST(DialogProgram, RefusesAnInvalidOverrideBeforeShowingAnything)
{
    const CTestFolder folder;
    for (const auto& [strName, strValue] :
         {std::pair<std::string, std::string>{"RIGVET_OS_VERSION", "7"},
          {"RIGVET_TIME_URL", "http://127.0.0.1/"}})
    {
        SProgramOptions options = UnattendedDialog(folder);
        options.environment[strName] = strValue;
        const SProgramResult result = RunProgram(RIGVET_GUI_PATH, {}, options);
        EXPECT_EQ(result.nExitCode, 2);
        EXPECT_THAT(result.strError, HasSubstr("rigvet: " + strName + " must be"));
        EXPECT_FALSE(Exists(folder.File("dialog.png")));
    }
}

TEST(DialogProgram, QtOptionsAndTheirValuesAreNoLogPath)
{
    const CTestFolder folder;
    const SProgramResult result =
        RunProgram(RIGVET_GUI_PATH, {"-style", "fusion"}, UnattendedDialog(folder));
    EXPECT_EQ(result.nExitCode, 0) << result.strError;
    EXPECT_FALSE(Exists(folder.File("fusion")));
}

TEST(DialogProgram, HelpAndVersionPrintWithoutADisplayAndExitWithZero)
{
    SProgramOptions options;
    for (const char* pszName : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    {
        options.environment[pszName] = std::nullopt;
    }
    const SProgramResult help = RunProgram(RIGVET_GUI_PATH, {"--help"}, options);
    EXPECT_EQ(help.nExitCode, 0) << help.strError;
    EXPECT_THAT(help.strOutput, HasSubstr("rigvet [LOGFILE]"));
    EXPECT_THAT(help.strOutput, HasSubstr("--version"));
    const SProgramResult version = RunProgram(RIGVET_GUI_PATH, {"--version"}, options);
    EXPECT_EQ(version.nExitCode, 0) << version.strError;
    EXPECT_EQ(version.strOutput, std::string("rigvet ") + RIGVET_PROJECT_VERSION + "\n");
}
