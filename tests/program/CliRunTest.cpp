#include "program/ProgramRunner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace
{
SProgramOptions LocalSession()
{
    SProgramOptions options;
    for (const char* pszName : {"SSH_CONNECTION", "SSH_CLIENT", "SSH_TTY", "XRDP_SESSION"})
    {
        options.environment[pszName] = std::nullopt;
    }
    return options;
}
} // namespace

TEST(CliRun, RemoteLoginIsRefusedAfterTheConsentQuestion)
{
    SProgramOptions options = LocalSession();
    options.environment["SSH_CONNECTION"] = "10.0.0.1 50000 10.0.0.2 22";
    const SProgramResult result = RunProgram(RIGVET_CLI_PATH, {"--consent=no"}, options);
    EXPECT_EQ(result.nExitCode, 3);
    EXPECT_THAT(result.strOutput, HasSubstr("[Internet Consent]"));
    EXPECT_THAT(result.strOutput, HasSubstr("[Remote Desktop Detected]"));
    EXPECT_THAT(result.strOutput, ::testing::Not(HasSubstr("Test is running")));
}
