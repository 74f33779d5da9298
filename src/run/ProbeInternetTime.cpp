#include "clock/HttpDate.h"
#include "clock/TimeServerUrl.h"
#include "run/CRigvetDlg.h"
#include "run/MessageBoxStyle.h"
#include "support/LoadResourceString.h"
#include "support/StringIds.h"
#include "support/UserAgent.h"

namespace
{
constexpr int kHttpOk = 200;
}

SHttpDateResponse CRigvetDlg::RequestInternetDate()
{
    // rigvet-cli refuses an invalid address at start; a front end that does not is told here.
    const std::optional<std::string> strUrl = GetTimeServerUrl();
    if (!strUrl)
    {
        throw CHttpRequestFailure(std::string(kTimeServerUrlVariable) +
                                  " is not an https://host[:port]/ address");
    }
    return m_steps.FetchHttpDate(*strUrl, g_strUserAgent);
}

void CRigvetDlg::ProbeInternetTime()
{
    if (!m_bInternetConsent)
    {
        return;
    }
    if (!IsSystemAtLeast(m_steps, kWindows8) && !m_pResults->m_bUpdatesFound)
    {
        m_bInternetConsent = false;
        m_facts.nClockFailureCode = IDS_CLOCK_UPDATES_FAILED;
        ShowError(IDS_CLOCK_UPDATES_FAILED, LoadResourceString(IDS_CLOCK_UPDATES_FAILED));
        return;
    }
    try
    {
        Announce(ERunStep::AskingTimeServer);
        const SHttpDateResponse response = RequestInternetDate();
        std::tm utcRecord{};
        const bool bBrokenDown = BreakDownSystemTime(m_steps.GetSystemTime(), utcRecord);
        std::tm internetRecord{};
        // A Date that cannot be read is treated like an unreachable server: nothing was compared.
        if (bBrokenDown && response.nStatusCode == kHttpOk &&
            ParseHttpDate(response.strDate.c_str(), &internetRecord) == 0)
        {
            m_pResults->m_llClockDelta = ComputeClockDelta(utcRecord, internetRecord);
            return;
        }
    }
    catch (const CHttpRequestFailure&)
    {
    }
    m_facts.nClockFailureCode = IDS_CLOCK_UNREACHABLE;
    ShowError(IDS_CLOCK_UNREACHABLE, LoadResourceString(IDS_CLOCK_UNREACHABLE));
    m_bInternetConsent = false;
}
