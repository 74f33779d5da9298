#include "support/ProgramRunner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace
{
SProgramResult RunWithTimeServer(const char* pszUrl, const char* pszConsent)
{
    SProgramOptions options;
    for (const char* pszName : {"SSH_CONNECTION", "SSH_CLIENT", "SSH_TTY", "XRDP_SESSION"})
    {
        options.environment[pszName] = std::nullopt;
    }
    options.environment["RIGVET_TIME_URL"] = pszUrl;
    return RunProgram(RIGVET_CLI_PATH, {pszConsent}, options);
}
} // namespace

// An address that is not the root of an HTTPS site stops the program before anything runs.
TEST(CliTimeServerUrl, InvalidAddressStopsAtStart)
{
    for (const char* pszUrl : {"", "http://127.0.0.1:8443/", "https://127.0.0.1:8443/time",
                               "https://127.0.0.1:99999/", "127.0.0.1"})
    {
        const SProgramResult result = RunWithTimeServer(pszUrl, "--consent=yes");
        EXPECT_EQ(result.nExitCode, 64) << pszUrl;
        EXPECT_THAT(result.strError, HasSubstr("RIGVET_TIME_URL must be https://host[:port]/"));
        EXPECT_EQ(result.strOutput, "") << pszUrl;
    }
}

// Without consent no request is made, so the run cannot reach whatever listens there.
TEST(CliTimeServerUrl, ValidAddressIsAccepted)
{
    const SProgramResult result = RunWithTimeServer("https://127.0.0.1:8443/", "--consent=no");
    EXPECT_THAT(result.strError, ::testing::Not(HasSubstr("RIGVET_TIME_URL")));
    EXPECT_THAT(result.strOutput, HasSubstr("[Internet Consent]"));
}
