#include "clock/InternetTimeSource.h"

#include "network/TlsTestSite.h"
#include "support/TextConvert.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <strings.h>

using ::testing::UnorderedElementsAre;

namespace
{
constexpr const wchar_t* kUserAgent = L"Rigvet/1.0.0.1";

class InternetTimeSourceTest : public ::testing::Test
{
protected:
    SHttpDateResponse Fetch(const std::string& strUrl)
    {
        return FetchHttpDate(strUrl, kUserAgent, kTestTimeout);
    }

    CTlsTestSite m_site;
};

struct SReplyCase
{
    const char* pszName;
    int nStatus;
    std::optional<std::string> strDate;
};

void PrintTo(const SReplyCase& value, std::ostream* pStream)
{
    *pStream << value.pszName;
}

class InternetTimeSourceReply : public InternetTimeSourceTest,
                                public ::testing::WithParamInterface<SReplyCase>
{
};

TEST_P(InternetTimeSourceReply, ReturnsTheStatusAndTheDateAsSent)
{
    m_site.Server().SetReply(SServerReply{GetParam().nStatus, GetParam().strDate, true});
    const SHttpDateResponse response = Fetch(m_site.Server().BaseUrl());
    EXPECT_EQ(response.nStatusCode, GetParam().nStatus);
    EXPECT_EQ(response.strDate, Utf8ToWide(GetParam().strDate.value_or("")));
}

INSTANTIATE_TEST_SUITE_P(
    Replies, InternetTimeSourceReply,
    ::testing::Values(SReplyCase{"Ok", 200, "Wed, 15 Jul 2026 12:00:59 GMT"},
                      SReplyCase{"NotFound", 404, "Wed, 15 Jul 2026 12:00:00 GMT"},
                      SReplyCase{"ServerError", 500, "Wed, 15 Jul 2026 12:00:00 GMT"},
                      SReplyCase{"NoDate", 200, std::nullopt},
                      SReplyCase{"OddDate", 200, "Sunday, 06-Nov-94 08:49:37 GMT"},
                      SReplyCase{"NonAsciiDate", 200, "Mi, 15 M\xC3\xA4r 2026 12:00:00 GMT"}),
    [](const ::testing::TestParamInfo<SReplyCase>& info) { return info.param.pszName; });

// One GET of "/", our User-Agent and nothing else of ours: only the Host header and the
// connection handling that the client adds to every request.
TEST_F(InternetTimeSourceTest, SendsOneBareGetOfTheRootWithTheUserAgent)
{
    Fetch(m_site.Server().BaseUrl());
    const std::vector<SRecordedRequest> aRequests = m_site.Server().Requests();
    ASSERT_EQ(aRequests.size(), 1u);
    const SRecordedRequest& request = aRequests[0];
    EXPECT_EQ(request.strMethod, "GET");
    EXPECT_EQ(request.strTarget, "/");
    EXPECT_EQ(request.strBody, "");
    std::vector<std::string> aNames;
    for (const auto& [strName, strValue] : request.aHeaders)
    {
        aNames.push_back(strName);
        if (strcasecmp(strName.c_str(), "User-Agent") == 0)
        {
            EXPECT_EQ(strValue, "Rigvet/1.0.0.1");
        }
        if (strcasecmp(strName.c_str(), "Host") == 0)
        {
            const std::string strUrl = m_site.Server().BaseUrl(); // https://host:port/
            EXPECT_EQ(strValue, strUrl.substr(8, strUrl.size() - 9));
        }
    }
    EXPECT_THAT(aNames, UnorderedElementsAre("Host", "User-Agent", "Connection"));
}

TEST_F(InternetTimeSourceTest, UnansweredRequestFailsAtTheTimeout)
{
    m_site.Server().SetReply(SServerReply{200, std::nullopt, false});
    EXPECT_THROW(Fetch(m_site.Server().BaseUrl()), CHttpRequestFailure);
    EXPECT_EQ(m_site.Server().Requests().size(), 1u);
}

TEST_F(InternetTimeSourceTest, RefusedConnectionFails)
{
    const CRefusingPort port;
    EXPECT_THROW(Fetch(port.BaseUrl()), CHttpRequestFailure);
}

TEST_F(InternetTimeSourceTest, UntrustedCertificateFailsBeforeTheRequestIsSent)
{
    EXPECT_THROW(Fetch(m_site.UntrustedServer().BaseUrl()), CHttpRequestFailure);
    EXPECT_TRUE(m_site.UntrustedServer().Requests().empty());
}

TEST_F(InternetTimeSourceTest, TrustedCertificateForAnotherHostFails)
{
    EXPECT_THROW(Fetch(m_site.OtherHostServer().BaseUrl()), CHttpRequestFailure);
    EXPECT_TRUE(m_site.OtherHostServer().Requests().empty());
}

// However long the head the server sends, the client takes a bounded part of it and fails.
TEST_F(InternetTimeSourceTest, AnEndlessHeaderFailsAfterTheBound)
{
    m_site.Server().SetReply(SServerReply{200, std::nullopt, true, EMisbehaviour::EndlessHeader});
    const auto start = std::chrono::steady_clock::now();
    EXPECT_THROW(FetchHttpDate(m_site.Server().BaseUrl(), kUserAgent), CHttpRequestFailure);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST_F(InternetTimeSourceTest, AnswersThatAreNoHttpFail)
{
    for (const EMisbehaviour misbehaviour :
         {EMisbehaviour::ResetMidResponse, EMisbehaviour::NotHttp, EMisbehaviour::NotTls})
    {
        m_site.Server().SetReply(SServerReply{200, std::nullopt, true, misbehaviour});
        EXPECT_THROW(Fetch(m_site.Server().BaseUrl()), CHttpRequestFailure);
    }
}

TEST_F(InternetTimeSourceTest, UnusableAddressFails)
{
    EXPECT_THROW(Fetch("https://bad host/"), CHttpRequestFailure);
    EXPECT_THROW(Fetch("ftp://127.0.0.1/"), CHttpRequestFailure);
}
} // namespace
