// rigvet-cli against time servers that misbehave as a hostile or broken server would. Whatever
// the server sends, the run ends with its six verdicts, the clock unknown, and no abort on any
// thread; no answer takes more than a bounded amount of memory.
#include "network/TlsTestSite.h"
#include "program/CliSession.h"
#include "support/ProgramRunner.h"

#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace
{
constexpr const char* kUnreachable =
    "[Error Occurred - 10002]\nThe accuracy of the system clock could not be determined due to an "
    "unreachable internet time server.";
// Far below the 64 MiB that the endless header would bring without the bound, far above what a
// run needs. Sanitizer builds keep freed memory aside and take several times as much, so there the
// server's count of what it could send stands in for the client's memory.
constexpr long kMemoryBoundKB = 48 * 1024;
#ifdef __SANITIZE_ADDRESS__
constexpr bool kMemoryIsMeasurable = false;
#else
constexpr bool kMemoryIsMeasurable = true;
#endif

struct SServerCase
{
    const char* pszName;
    EMisbehaviour misbehaviour;
};

void PrintTo(const SServerCase& value, std::ostream* pStream)
{
    *pStream << value.pszName;
}

class TimeServerFaultTest : public ::testing::TestWithParam<SServerCase>
{
protected:
    SProgramResult Run(const std::string& strUrl)
    {
        SProgramOptions options =
            IsolatedCliSession(m_folder, std::string(RIGVET_FIXTURES_DIR) + "/reports/typical.xml");
        options.environment["RIGVET_TIME_URL"] = strUrl;
        return RunProgram(RIGVET_CLI_PATH, {"--consent=yes"}, options);
    }

    static void ExpectClockUnknownAndSixVerdicts(const SProgramResult& result)
    {
        EXPECT_EQ(result.nSignal, 0);
        EXPECT_EQ(result.nExitCode, 2) << result.strError;
        EXPECT_THAT(result.strOutput, HasSubstr(kUnreachable));
        EXPECT_THAT(result.strOutput, HasSubstr("\nSystem Memory: PASS (16384 MB)\n"));
        EXPECT_THAT(result.strOutput, HasSubstr("\nAccurate System Time: UNK (not compared)\n"));
        if (kMemoryIsMeasurable)
        {
            EXPECT_LT(result.nMaxRssKB, kMemoryBoundKB);
        }
    }

    CTestFolder m_folder;
    CTlsTestSite m_site;
};

TEST_P(TimeServerFaultTest, RunEndsWithTheClockUnknown)
{
    m_site.Server().SetReply({200, "Wed, 15 Jul 2026 12:00:00 GMT", true, GetParam().misbehaviour});
    const auto start = std::chrono::steady_clock::now();
    const SProgramResult result = Run(m_site.Server().BaseUrl());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(25));
    ExpectClockUnknownAndSixVerdicts(result);
    // The client cut the connection soon after its bound, long before the server's own end.
    EXPECT_LT(m_site.Server().EndlessBytesSent(), 16u * 1024 * 1024);
    // The run's work folder is all that it may leave behind.
    EXPECT_EQ(SnapshotTree(m_folder.Path(), {"sm3"}).size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Servers, TimeServerFaultTest,
    ::testing::Values(SServerCase{"EndlessHeader", EMisbehaviour::EndlessHeader},
                      SServerCase{"ResetMidResponse", EMisbehaviour::ResetMidResponse},
                      SServerCase{"NotHttp", EMisbehaviour::NotHttp},
                      SServerCase{"NotTls", EMisbehaviour::NotTls}),
    [](const ::testing::TestParamInfo<SServerCase>& info) { return info.param.pszName; });

// A server that never answers is covered by CliClock.AServerThatNeverAnswersEndsTheRunAfterThe-
// ClientTimeout, which waits out the client's 30 seconds.
TEST_F(TimeServerFaultTest, RefusedConnectionAndWrongCertificatesLeaveTheClockUnknown)
{
    const CRefusingPort refusing;
    for (const std::string& strUrl : {refusing.BaseUrl(), m_site.UntrustedServer().BaseUrl(),
                                      m_site.OtherHostServer().BaseUrl()})
    {
        SCOPED_TRACE(strUrl);
        ExpectClockUnknownAndSixVerdicts(Run(strUrl));
    }
    EXPECT_TRUE(m_site.UntrustedServer().Requests().empty());
    EXPECT_TRUE(m_site.OtherHostServer().Requests().empty());
}
} // namespace
