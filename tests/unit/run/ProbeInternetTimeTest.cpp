#include "clock/TimeServerUrl.h"
#include "run/CRigvetDlg.h"
#include "support/FakeQualificationSteps.h"
#include "support/HttpDateText.h"
#include "support/LoadResourceString.h"
#include "support/RecordingView.h"
#include "support/ScopedTimeZone.h"
#include "support/StringIds.h"
#include "support/TestFolder.h"
#include "support/TextConvert.h"
#include "support/UserAgent.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace
{
const std::time_t kSystemTime = UtcTime(2026, 7, 15, 12, 0, 0);
constexpr unsigned int kErrorStyle = MessageBoxStyle::kOk | MessageBoxStyle::kIconError;

SHttpDateResponse Answer(int nStatus, const std::wstring& strDate)
{
    return SHttpDateResponse{nStatus, strDate};
}

std::wstring DateAt(std::int64_t llOffset)
{
    return Utf8ToWide(FormatHttpDate(kSystemTime + llOffset));
}

class ProbeInternetTimeTest : public ::testing::Test
{
protected:
    ProbeInternetTimeTest()
    {
        g_strUserAgent = L"Rigvet/1.0.0.1";
        m_steps.m_systemTime = kSystemTime;
        m_steps.m_request = [](const std::wstring&) { return Answer(200, DateAt(0)); };
        m_dlg.m_bInternetConsent = true;
    }
    ~ProbeInternetTimeTest() override { g_strUserAgent.clear(); }

    void ExpectSingleError(EStringId nTextId)
    {
        ASSERT_EQ(m_view.m_aBoxes.size(), 1u);
        EXPECT_EQ(m_view.m_aBoxes[0].strText, LoadResourceString(nTextId));
        EXPECT_EQ(m_view.m_aBoxes[0].strCaption,
                  L"Error Occurred - " + std::to_wstring(static_cast<unsigned int>(nTextId)));
        EXPECT_EQ(m_view.m_aBoxes[0].nStyle, kErrorStyle);
    }

    EVerdict ClockVerdict()
    {
        return GetVerdict(ERequirement::Clock, *m_dlg.m_pResults, m_dlg.m_bInternetConsent,
                          m_steps.IsOsVersionOrGreater(6, 2, 0));
    }

    CRecordingView m_view;
    CFakeQualificationSteps m_steps;
    CRigvetDlg m_dlg{m_view, m_steps};
};

TEST_F(ProbeInternetTimeTest, WithoutConsentNothingIsSentOrShown)
{
    m_dlg.m_bInternetConsent = false;
    m_dlg.ProbeInternetTime();
    EXPECT_TRUE(m_steps.m_aUserAgents.empty());
    EXPECT_TRUE(m_view.m_aBoxes.empty());
    EXPECT_FALSE(m_dlg.m_bInternetConsent);
    EXPECT_EQ(m_dlg.m_pResults->m_llClockDelta, 0);
    EXPECT_EQ(ClockVerdict(), EVerdict::Unknown);
}

TEST_F(ProbeInternetTimeTest, Windows7WithoutTheUpdatesSendsNothingAndClearsConsentFirst)
{
    m_steps.m_osVersion = {6, 1, 1};
    m_dlg.m_pResults->m_bUpdatesFound = false;
    bool bConsentWhileShown = true;
    m_view.m_onBox = [&] { bConsentWhileShown = m_dlg.m_bInternetConsent; };
    m_dlg.ProbeInternetTime();
    EXPECT_TRUE(m_steps.m_aUserAgents.empty());
    ExpectSingleError(IDS_CLOCK_UPDATES_FAILED);
    EXPECT_FALSE(bConsentWhileShown);
    EXPECT_FALSE(m_dlg.m_bInternetConsent);
    EXPECT_EQ(ClockVerdict(), EVerdict::Unknown);
}

TEST_F(ProbeInternetTimeTest, Windows7WithTheUpdatesSendsTheRequest)
{
    m_steps.m_osVersion = {6, 1, 1};
    m_dlg.m_pResults->m_bUpdatesFound = true;
    m_dlg.ProbeInternetTime();
    EXPECT_EQ(m_steps.m_aUserAgents.size(), 1u);
    EXPECT_TRUE(m_view.m_aBoxes.empty());
    EXPECT_TRUE(m_dlg.m_bInternetConsent);
}

TEST_F(ProbeInternetTimeTest, Windows8OrLaterSendsTheRequestWhateverTheUpdateFlag)
{
    for (const SOsVersion osVersion :
         {SOsVersion{6, 2, 0}, SOsVersion{6, 3, 0}, SOsVersion{10, 0, 0}})
    {
        for (const bool bUpdatesFound : {false, true})
        {
            SCOPED_TRACE(osVersion.nMajor * 100 + osVersion.nMinor);
            CRecordingView view;
            CFakeQualificationSteps steps;
            steps.m_osVersion = osVersion;
            steps.m_systemTime = kSystemTime;
            steps.m_request = [](const std::wstring&) { return Answer(200, DateAt(5)); };
            CRigvetDlg dlg(view, steps);
            dlg.m_bInternetConsent = true;
            dlg.m_pResults->m_bUpdatesFound = bUpdatesFound;
            dlg.ProbeInternetTime();
            EXPECT_EQ(steps.m_aUserAgents.size(), 1u);
            EXPECT_TRUE(view.m_aBoxes.empty());
            EXPECT_EQ(dlg.m_pResults->m_llClockDelta, 5);
        }
    }
}

TEST_F(ProbeInternetTimeTest, SendsTheProgramsUserAgent)
{
    m_dlg.ProbeInternetTime();
    ASSERT_EQ(m_steps.m_aUserAgents.size(), 1u);
    EXPECT_EQ(m_steps.m_aUserAgents[0], L"Rigvet/1.0.0.1");
}

// The request goes to the site that RIGVET_TIME_URL names, or the default one; an address that
// is not a site's root is never asked and counts as an unreachable server.
TEST_F(ProbeInternetTimeTest, AsksTheConfiguredTimeServerAndRefusesAnInvalidAddress)
{
    {
        const CScopedVariable unset(kTimeServerUrlVariable, std::nullopt);
        m_dlg.ProbeInternetTime();
    }
    {
        const CScopedVariable other(kTimeServerUrlVariable, "https://127.0.0.1:8443/");
        m_dlg.ProbeInternetTime();
    }
    EXPECT_EQ(m_steps.m_aUrls,
              (std::vector<std::string>{kDefaultTimeServerUrl, "https://127.0.0.1:8443/"}));
    const CScopedVariable invalid(kTimeServerUrlVariable, "http://127.0.0.1/");
    m_dlg.ProbeInternetTime();
    EXPECT_EQ(m_steps.m_aUrls.size(), 2u);
    ExpectSingleError(IDS_CLOCK_UNREACHABLE);
    EXPECT_FALSE(m_dlg.m_bInternetConsent);
}

TEST_F(ProbeInternetTimeTest, UnreachableServerShowsOneMessageThenClearsConsent)
{
    m_steps.m_request = [](const std::wstring&) -> SHttpDateResponse
    { throw CHttpRequestFailure("connection refused"); };
    bool bConsentWhileShown = false;
    m_view.m_onBox = [&] { bConsentWhileShown = m_dlg.m_bInternetConsent; };
    m_dlg.ProbeInternetTime();
    ExpectSingleError(IDS_CLOCK_UNREACHABLE);
    EXPECT_TRUE(bConsentWhileShown);
    EXPECT_FALSE(m_dlg.m_bInternetConsent);
    EXPECT_EQ(m_dlg.m_pResults->m_llClockDelta, 0);
    EXPECT_EQ(ClockVerdict(), EVerdict::Unknown);
}

TEST_F(ProbeInternetTimeTest, OtherFailuresPassToTheRun)
{
    m_steps.m_request = [](const std::wstring&) -> SHttpDateResponse
    { throw std::runtime_error("out of something"); };
    EXPECT_THROW(m_dlg.ProbeInternetTime(), std::runtime_error);
    EXPECT_TRUE(m_view.m_aBoxes.empty());
}

struct SResponseCase
{
    const char* pszName;
    int nStatus;
    std::wstring strDate;
    std::optional<std::int64_t> llDelta; // none: 10002 and the clock unknown
    EVerdict verdict;
};

void PrintTo(const SResponseCase& value, std::ostream* pStream)
{
    *pStream << value.pszName;
}

class ProbeInternetTimeResponse : public ProbeInternetTimeTest,
                                  public ::testing::WithParamInterface<SResponseCase>
{
};

TEST_P(ProbeInternetTimeResponse, StoresTheDeltaOrReportsTheServerUnreachable)
{
    // Daylight-saving time is in force in this zone on the date used.
    const CScopedTimeZone zone("America/New_York");
    const SResponseCase& response = GetParam();
    m_steps.m_request = [&](const std::wstring&)
    { return Answer(response.nStatus, response.strDate); };
    m_dlg.ProbeInternetTime();
    if (response.llDelta)
    {
        EXPECT_TRUE(m_view.m_aBoxes.empty());
        EXPECT_TRUE(m_dlg.m_bInternetConsent);
        EXPECT_EQ(m_dlg.m_pResults->m_llClockDelta, *response.llDelta);
    }
    else
    {
        ExpectSingleError(IDS_CLOCK_UNREACHABLE);
        EXPECT_FALSE(m_dlg.m_bInternetConsent);
        EXPECT_EQ(m_dlg.m_pResults->m_llClockDelta, 0);
    }
    EXPECT_EQ(ClockVerdict(), response.verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Responses, ProbeInternetTimeResponse,
    ::testing::Values(SResponseCase{"Exact", 200, DateAt(0), 0, EVerdict::Pass},
                      SResponseCase{"Ahead59", 200, DateAt(59), 59, EVerdict::Pass},
                      SResponseCase{"Behind59", 200, DateAt(-59), -59, EVerdict::Pass},
                      SResponseCase{"Ahead60", 200, DateAt(60), 60, EVerdict::Fail},
                      SResponseCase{"Behind60", 200, DateAt(-60), -60, EVerdict::Fail},
                      SResponseCase{"TwoMinutesBehind", 200, DateAt(120), 120, EVerdict::Fail},
                      SResponseCase{"ThirtySecondsAhead", 200, DateAt(-30), -30, EVerdict::Pass},
                      SResponseCase{"NotFound", 404, DateAt(0), std::nullopt, EVerdict::Unknown},
                      SResponseCase{"ServerError", 500, DateAt(0), std::nullopt, EVerdict::Unknown},
                      SResponseCase{"Redirect", 301, DateAt(0), std::nullopt, EVerdict::Unknown},
                      SResponseCase{"NoDate", 200, L"", std::nullopt, EVerdict::Unknown},
                      SResponseCase{"OddDate", 200, L"Sunday, 06-Nov-94 08:49:37 GMT", std::nullopt,
                                    EVerdict::Unknown},
                      SResponseCase{"AsctimeDate", 200, L"Sun Nov  6 08:49:37 1994", std::nullopt,
                                    EVerdict::Unknown},
                      SResponseCase{"DateWithoutTime", 200, L"Wed, 09 Dec 2026", std::nullopt,
                                    EVerdict::Unknown},
                      SResponseCase{"LongMonthName", 200, L"Tue, 15 Sept 2020 08:12:31 GMT",
                                    std::nullopt, EVerdict::Unknown}),
    [](const ::testing::TestParamInfo<SResponseCase>& info) { return info.param.pszName; });
} // namespace
