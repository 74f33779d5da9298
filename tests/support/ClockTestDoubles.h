#pragma once

#include "run/IQualificationSteps.h"
#include "run/IRunView.h"
#include "run/MessageBoxStyle.h"
#include "unit/FakeQualificationSteps.h"

#include <functional>
#include <string>
#include <vector>

// A window that records every message box and answers the consent question as told.
class CProbeRecordingView : public IRunView
{
public:
    struct SMessage
    {
        std::wstring strText;
        std::wstring strCaption;
        unsigned int nStyle = 0;
    };

    int ShowMessageBox(const std::wstring& strText, const std::wstring& strCaption,
                       unsigned int nStyle) override
    {
        m_aMessages.push_back({strText, strCaption, nStyle});
        if (m_onMessage)
        {
            m_onMessage();
        }
        const bool bQuestion =
            (nStyle & MessageBoxStyle::kButtonMask) == MessageBoxStyle::kYesNoCancel;
        return bQuestion ? m_nConsentAnswer : MessageBoxAnswer::kOk;
    }
    void ShowBusyText(bool) override {}
    void EnableRunButton(bool) override {}
    void Invalidate() override {}
    void Repaint() override {}

    int m_nConsentAnswer = MessageBoxAnswer::kYes;
    std::function<void()> m_onMessage; // called while each box is open
    std::vector<SMessage> m_aMessages;
};

// A document with no elements: every query finds nothing.
// Steps whose diagnostics succeed without measuring anything; the clock's request and the system
// time are the test's to give.
class CClockTestSteps : public CFakeQualificationSteps
{
public:
    bool IsOsVersionOrGreater(std::uint16_t nMajor, std::uint16_t nMinor,
                              std::uint16_t nServicePackMajor) override
    {
        const int nAsked = nMajor * 10000 + nMinor * 100 + nServicePackMajor;
        return m_nOsVersion >= nAsked;
    }
    bool SearchInstalledUpdates(std::wstring, std::wstring&) override { return m_bUpdatesFound; }
    SHttpDateResponse RequestInternetDate(const std::wstring& strUserAgent) override
    {
        m_aUserAgents.push_back(strUserAgent);
        return m_request(strUserAgent);
    }

    // Windows version as major * 10000 + minor * 100 + service pack: 60200 is Windows 8,
    // 60101 Windows 7 SP1.
    int m_nOsVersion = 100000;
    bool m_bUpdatesFound = false;
    std::function<SHttpDateResponse(const std::wstring&)> m_request;
    std::vector<std::wstring> m_aUserAgents; // one per request sent
};
