#include "clock/InternetTimeSource.h"
#include "network/TlsTestSite.h"
#include "support/FakeQualificationSteps.h"
#include "support/HttpDateText.h"
#include "support/LoadResourceString.h"
#include "support/RecordingView.h"
#include "support/StringIds.h"
#include "support/UserAgent.h"
#include "run/CRigvetDlg.h"

#include <gtest/gtest.h>

// The whole run with the real client against the loopback server: only the diagnostics and the
// system time are given by the test.
namespace
{
const std::time_t kSystemTime = UtcTime(2026, 7, 15, 12, 0, 0);

enum class EServer
{
    Trusted,
    Untrusted,
    Refusing,
};

struct SProbeCase
{
    const char* pszName;
    SServerReply reply;
    EServer server;
    std::optional<std::int64_t> llDelta; // none: message 10002 and the clock unknown
    EVerdict verdict;
};

void PrintTo(const SProbeCase& value, std::ostream* pStream)
{
    *pStream << value.pszName;
}

class ProbeInternetTimeNetwork : public ::testing::TestWithParam<SProbeCase>
{
protected:
    ProbeInternetTimeNetwork() { g_strUserAgent = L"Rigvet/1.0.0.1"; }
    ~ProbeInternetTimeNetwork() override { g_strUserAgent.clear(); }

    CTlsTestSite m_site;
};

TEST_P(ProbeInternetTimeNetwork, RunShowsTheClockAsTheServerAnswers)
{
    const SProbeCase& probe = GetParam();
    m_site.Server().SetReply(probe.reply);
    m_site.UntrustedServer().SetReply(probe.reply);
    const CRefusingPort refusingPort;
    const std::string strUrl = probe.server == EServer::Trusted ? m_site.Server().BaseUrl()
                               : probe.server == EServer::Untrusted
                                   ? m_site.UntrustedServer().BaseUrl()
                                   : refusingPort.BaseUrl();
    CRecordingView view;
    CFakeQualificationSteps steps;
    steps.m_systemTime = kSystemTime;
    steps.m_request = [&](const std::wstring& strUserAgent)
    { return FetchHttpDate(strUrl, strUserAgent, kTestTimeout); };
    CRigvetDlg dlg(view, steps);

    dlg.RunQualification();

    ASSERT_TRUE(dlg.m_bFinished);
    ASSERT_GE(view.m_aBoxes.size(), 1u); // the consent question
    if (probe.llDelta)
    {
        EXPECT_EQ(view.m_aBoxes.size(), 1u);
        EXPECT_EQ(dlg.m_pResults->m_llClockDelta, *probe.llDelta);
    }
    else
    {
        ASSERT_EQ(view.m_aBoxes.size(), 2u);
        EXPECT_EQ(view.m_aBoxes[1].strCaption, L"Error Occurred - 10002");
        EXPECT_EQ(view.m_aBoxes[1].strText, LoadResourceString(IDS_CLOCK_UNREACHABLE));
        EXPECT_EQ(dlg.m_pResults->m_llClockDelta, 0);
    }
    EXPECT_EQ(dlg.GetShownVerdict(ERequirement::Clock), probe.verdict);
    if (probe.server == EServer::Trusted)
    {
        const std::vector<SRecordedRequest> aRequests = m_site.Server().Requests();
        ASSERT_EQ(aRequests.size(), 1u);
        const auto userAgent =
            std::find_if(aRequests[0].aHeaders.begin(), aRequests[0].aHeaders.end(),
                         [](const auto& header) { return header.first == "User-Agent"; });
        ASSERT_NE(userAgent, aRequests[0].aHeaders.end());
        EXPECT_EQ(userAgent->second, "Rigvet/1.0.0.1");
    }
}

SServerReply Reply(int nStatus, std::optional<std::string> strDate)
{
    return SServerReply{nStatus, std::move(strDate), true};
}

std::string DateAt(std::int64_t llOffset)
{
    return FormatHttpDate(kSystemTime + llOffset);
}

INSTANTIATE_TEST_SUITE_P(
    Servers, ProbeInternetTimeNetwork,
    ::testing::Values(
        SProbeCase{"Exact", Reply(200, DateAt(0)), EServer::Trusted, 0, EVerdict::Pass},
        SProbeCase{"Ahead59", Reply(200, DateAt(59)), EServer::Trusted, 59, EVerdict::Pass},
        SProbeCase{"Behind60", Reply(200, DateAt(-60)), EServer::Trusted, -60, EVerdict::Fail},
        SProbeCase{"NotFound", Reply(404, DateAt(0)), EServer::Trusted, std::nullopt,
                   EVerdict::Unknown},
        SProbeCase{"ServerError", Reply(500, DateAt(0)), EServer::Trusted, std::nullopt,
                   EVerdict::Unknown},
        SProbeCase{"NoDate", Reply(200, std::nullopt), EServer::Trusted, std::nullopt,
                   EVerdict::Unknown},
        SProbeCase{"OddDate", Reply(200, "Sunday, 06-Nov-94 08:49:37 GMT"), EServer::Trusted,
                   std::nullopt, EVerdict::Unknown},
        SProbeCase{"NeverAnswered", SServerReply{200, DateAt(0), false}, EServer::Trusted,
                   std::nullopt, EVerdict::Unknown},
        SProbeCase{"Refused", Reply(200, DateAt(0)), EServer::Refusing, std::nullopt,
                   EVerdict::Unknown},
        SProbeCase{"UntrustedCertificate", Reply(200, DateAt(0)), EServer::Untrusted, std::nullopt,
                   EVerdict::Unknown}),
    [](const ::testing::TestParamInfo<SProbeCase>& info) { return info.param.pszName; });
} // namespace
