// rigvet-cli as a whole program against the loopback HTTPS server: the clock verdict and the
// messages that follow the server's answer.
#include "network/TlsTestSite.h"
#include "program/CliSession.h"
#include "support/HttpDateText.h"
#include "support/ProgramRunner.h"

#include <ctime>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <regex>

using ::testing::HasSubstr;
using ::testing::Not;

namespace
{
constexpr const char* kUnreachable =
    "[Error Occurred - 10002]\nThe accuracy of the system clock could not be determined due to an "
    "unreachable internet time server.";

class CliClock : public ::testing::Test
{
protected:
    SProgramResult Run(const std::string& strUrl, const std::string& strConsent = "yes")
    {
        SProgramOptions options =
            IsolatedCliSession(m_folder, std::string(RIGVET_FIXTURES_DIR) + "/reports/typical.xml");
        options.environment["RIGVET_TIME_URL"] = strUrl;
        return RunProgram(RIGVET_CLI_PATH, {"--consent=" + strConsent}, options);
    }

    void Reply(int nStatus, std::optional<std::string> strDate)
    {
        m_site.Server().SetReply({nStatus, std::move(strDate), true});
    }

    static std::string DateFromNow(std::time_t offset)
    {
        return FormatHttpDate(std::time(nullptr) + offset);
    }

    CTestFolder m_folder;
    CTlsTestSite m_site;
};
} // namespace

TEST_F(CliClock, DateWithinAMinutePassesAndTheRequestCarriesOnlyTheUserAgent)
{
    const std::time_t start = std::time(nullptr);
    Reply(200, FormatHttpDate(start + 59));
    const SProgramResult result = Run(m_site.Server().BaseUrl());
    const std::time_t elapsed = std::time(nullptr) - start;
    EXPECT_EQ(result.nExitCode, 0) << result.strError;
    // 59 s when the request went out at once; less by the seconds the run took to reach it.
    std::smatch match;
    ASSERT_TRUE(std::regex_search(
        result.strOutput, match,
        std::regex("Accurate System Time: PASS \\(clock (\\d+) s behind internet time\\)")))
        << result.strOutput;
    const long nBehind = std::stol(match[1]);
    EXPECT_LE(nBehind, 59);
    EXPECT_GE(nBehind, 58 - elapsed);
    EXPECT_THAT(result.strOutput, Not(HasSubstr("[Error Occurred")));

    const std::vector<SRecordedRequest> aRequests = m_site.Server().Requests();
    ASSERT_EQ(aRequests.size(), 1u);
    EXPECT_EQ(aRequests[0].strMethod, "GET");
    EXPECT_EQ(aRequests[0].strTarget, "/");
    EXPECT_EQ(aRequests[0].strBody, "");
    std::vector<std::string> aNames;
    for (const auto& [strName, strValue] : aRequests[0].aHeaders)
    {
        aNames.push_back(strName);
        if (strName == "User-Agent")
        {
            EXPECT_THAT(strValue,
                        ::testing::MatchesRegex("Rigvet/[0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+"));
        }
    }
    EXPECT_THAT(aNames, ::testing::UnorderedElementsAre("Host", "User-Agent", "Connection"));
}

TEST_F(CliClock, AnswersThatDoNotGiveTheTime)
{
    struct SCase
    {
        const char* pszName;
        int nStatus;
        std::optional<std::string> strDate;
        const char* pszVerdict;
        bool bUnreachable;
        int nExitCode;
    };
    const SCase aCases[] = {
        {"60 s behind", 200, DateFromNow(-60), "Accurate System Time: FAIL", false, 1},
        {"status 404", 404, DateFromNow(0), "Accurate System Time: UNK", true, 2},
        {"status 500", 500, DateFromNow(0), "Accurate System Time: UNK", true, 2},
        {"no Date", 200, std::nullopt, "Accurate System Time: UNK", true, 2},
        {"odd Date", 200, "Sunday, 06-Nov-94 08:49:37 GMT", "Accurate System Time: UNK", true, 2},
        // Read from the local clock, the missing time of day would always pass.
        {"Date without a time", 200, "Wed, 09 Dec 2026", "Accurate System Time: UNK", true, 2},
    };
    for (const SCase& testCase : aCases)
    {
        SCOPED_TRACE(testCase.pszName);
        Reply(testCase.nStatus, testCase.strDate);
        const SProgramResult result = Run(m_site.Server().BaseUrl());
        EXPECT_EQ(result.nExitCode, testCase.nExitCode) << result.strError;
        EXPECT_THAT(result.strOutput, HasSubstr(testCase.pszVerdict));
        EXPECT_EQ(result.strOutput.find(kUnreachable) != std::string::npos, testCase.bUnreachable);
    }
}

TEST_F(CliClock, UntrustedCertificateAndRefusedPortAreUnreachable)
{
    Reply(200, DateFromNow(0));
    m_site.UntrustedServer().SetReply({200, DateFromNow(0), true});
    CRefusingPort refusing;
    for (const std::string& strUrl : {m_site.UntrustedServer().BaseUrl(), refusing.BaseUrl()})
    {
        SCOPED_TRACE(strUrl);
        const SProgramResult result = Run(strUrl);
        EXPECT_EQ(result.nExitCode, 2) << result.nSignal << " " << result.strError;
        EXPECT_THAT(result.strOutput, HasSubstr(kUnreachable));
        EXPECT_THAT(result.strOutput, HasSubstr("Accurate System Time: UNK"));
    }
    EXPECT_TRUE(m_site.UntrustedServer().Requests().empty());
}

TEST_F(CliClock, WithoutConsentNothingIsSent)
{
    Reply(200, DateFromNow(0));
    const SProgramResult result = Run(m_site.Server().BaseUrl(), "no");
    EXPECT_THAT(result.strOutput, HasSubstr("Accurate System Time: UNK"));
    EXPECT_THAT(result.strOutput, Not(HasSubstr("[Error Occurred")));
    EXPECT_TRUE(m_site.Server().Requests().empty());
}

TEST_F(CliClock, AServerThatNeverAnswersEndsTheRunAfterTheClientTimeout)
{
    m_site.Server().SetReply({200, DateFromNow(0), false});
    const auto start = std::chrono::steady_clock::now();
    const SProgramResult result = Run(m_site.Server().BaseUrl());
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_THAT(result.strOutput, HasSubstr(kUnreachable));
    EXPECT_THAT(result.strOutput, HasSubstr("Accurate System Time: UNK"));
    // The product keeps the client's 30-second timeout; it must not give up before it.
    EXPECT_GE(elapsed, std::chrono::seconds(29));
}
