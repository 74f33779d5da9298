// The clock step of rigvet-cli.exe through WinHTTP against the loopback HTTPS server, with
// certificate validation on: the prefix trusts the test certificate through scripts/wine-trust-ca.
// Failures are asserted as "fails, and quickly": Wine's WinHTTP codes differ from Windows'.
#include "support/HttpDateText.h"
#include "support/LoopbackHttpsServer.h"
#include "wine/WineProgram.h"

#include <chrono>
#include <ctime>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ContainsRegex;
using ::testing::HasSubstr;
using ::testing::Not;

namespace
{
constexpr const char* kUnreachable =
    "[Error Occurred - 10002]\nThe accuracy of the system clock could not be determined due to an "
    "unreachable internet time server.";

// Wine matches only DNS names of a certificate, so the site is reached as localhost.
std::string LocalhostUrl(const std::string& strBaseUrl)
{
    const std::string strIp = "127.0.0.1";
    std::string strUrl = strBaseUrl;
    strUrl.replace(strUrl.find(strIp), strIp.size(), "localhost");
    return strUrl;
}

class WineClock : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { SetWineWindowsVersion("win10"); }

    void SetUp() override
    {
        const SProgramResult trust = RunScript("wine-trust-ca", {m_trusted.PemPath()});
        ASSERT_EQ(trust.nExitCode, 0) << trust.strError;
    }

    struct STimedResult
    {
        SProgramResult result;
        double fSeconds;
    };

    STimedResult Run(const std::string& strUrl)
    {
        SProgramOptions options;
        options.environment["RIGVET_TIME_URL"] = strUrl;
        options.environment["RIGVET_DXDIAG"] =
            ToWinePath(GetWindowsBuildDir() + "/bin/rigvet_fake_collector.exe");
        options.environment["RIGVET_FAKE_REPORT"] =
            ToWinePath(std::string(RIGVET_SOURCE_DIR) + "/tests/fixtures/reports/typical.xml");
        const auto start = std::chrono::steady_clock::now();
        SProgramResult result = RunWindowsProgram("rigvet-cli.exe", {"--consent=yes"}, options);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        return STimedResult{std::move(result), elapsed.count()};
    }

    void ReplyAhead(std::time_t nSeconds)
    {
        m_server.SetReply({200, FormatHttpDate(std::time(nullptr) + nSeconds), true});
    }

    CTestFolder m_folder;
    CTestCertificate m_trusted{m_folder.File("trusted.pem"), "DNS:localhost"};
    CLoopbackHttpsServer m_server{m_trusted};
};

TEST_F(WineClock, ThirtySecondsAheadPassesAndOnlyTheUserAgentIsSent)
{
    ReplyAhead(30);
    const STimedResult run = Run(LocalhostUrl(m_server.BaseUrl()));
    EXPECT_EQ(run.result.nExitCode, 0) << run.result.strError;
    // The Date is made when the reply is set, before Wine starts the program: a few seconds less.
    EXPECT_THAT(run.result.strOutput,
                ContainsRegex("Accurate System Time: PASS \\(clock (2[4-9]|30) s behind"));
    EXPECT_THAT(run.result.strOutput, Not(HasSubstr("[Error Occurred")));

    const std::vector<SRecordedRequest> aRequests = m_server.Requests();
    ASSERT_EQ(aRequests.size(), 1u);
    EXPECT_EQ(aRequests[0].strMethod, "GET");
    EXPECT_EQ(aRequests[0].strTarget, "/");
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
    // WinHTTP adds only the transport's own headers beside the one the probe sets.
    EXPECT_THAT(aNames, ::testing::IsSubsetOf({"Host", "User-Agent", "Connection"}));
    EXPECT_THAT(aNames, ::testing::Contains("User-Agent"));
}

TEST_F(WineClock, NinetySecondsAheadFails)
{
    ReplyAhead(90);
    const STimedResult run = Run(LocalhostUrl(m_server.BaseUrl()));
    EXPECT_THAT(run.result.strOutput,
                ContainsRegex("Accurate System Time: FAIL \\(clock (8[4-9]|90) s behind"));
}

TEST_F(WineClock, AnUntrustedCertificateFailsQuickly)
{
    const CTestCertificate untrusted(m_folder.File("untrusted.pem"), "DNS:localhost");
    CLoopbackHttpsServer server(untrusted);
    server.SetReply({200, FormatHttpDate(std::time(nullptr)), true});
    const STimedResult run = Run(LocalhostUrl(server.BaseUrl()));
    EXPECT_THAT(run.result.strOutput, HasSubstr(kUnreachable));
    EXPECT_THAT(run.result.strOutput, HasSubstr("Accurate System Time: UNK"));
    EXPECT_LT(run.fSeconds, 20.0);
}

TEST_F(WineClock, ARefusedPortFailsQuickly)
{
    const CRefusingPort port;
    const STimedResult run = Run(LocalhostUrl(port.BaseUrl()));
    EXPECT_THAT(run.result.strOutput, HasSubstr(kUnreachable));
    EXPECT_LT(run.fSeconds, 20.0);
}

TEST_F(WineClock, AStatusOtherThan200Fails)
{
    m_server.SetReply({404, FormatHttpDate(std::time(nullptr)), true});
    const STimedResult run = Run(LocalhostUrl(m_server.BaseUrl()));
    EXPECT_THAT(run.result.strOutput, HasSubstr(kUnreachable));
}

// The request's every limit is 30 s: a server that never answers ends the wait then, rather than
// hanging the run (Wine's own default for the response is infinite).
TEST_F(WineClock, ASilentServerFailsAfterTheThirtySecondLimit)
{
    m_server.SetReply({200, std::nullopt, false});
    const STimedResult run = Run(LocalhostUrl(m_server.BaseUrl()));
    EXPECT_THAT(run.result.strOutput, HasSubstr(kUnreachable));
    EXPECT_GE(run.fSeconds, 29.0);
    EXPECT_LT(run.fSeconds, 60.0);
}
} // namespace
