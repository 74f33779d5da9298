#include "CFakeSteps.h"

#include "support/CZelSimpleException.h"

namespace
{
class CEmptyDocument : public IXmlDocument
{
public:
    std::unique_ptr<IXmlNodeList> SelectNodes(const wchar_t*) const override { return nullptr; }
};
} // namespace

bool CFakeSteps::IsOsVersionOrGreater(std::uint16_t nMajor, std::uint16_t nMinor, std::uint16_t)
{
    if (nMajor == 6 && nMinor >= 2)
    {
        return m_bWindows8OrLater;
    }
    return true; // Windows 7 SP1 at least
}

void CFakeSteps::CaptureDiagnosticsReport()
{
    if (m_fnDuringCapture)
    {
        m_fnDuringCapture();
    }
    if (m_bCaptureFails)
    {
        throw CZelSimpleException(10005, L"The diagnostics tool failed.");
    }
}

std::unique_ptr<IXmlDocument> CFakeSteps::LoadDiagnosticsReport(const std::wstring&)
{
    return std::make_unique<CEmptyDocument>();
}

bool CFakeSteps::EvaluateHardwareReport(const IXmlDocument&, TestResults& results,
                                        const std::wstring&)
{
    results.m_fFeatureLevel = m_hardware.m_fFeatureLevel;
    results.m_bSoundDevice = m_hardware.m_bSoundDevice;
    results.m_nMemoryMB = m_hardware.m_nMemoryMB;
    results.m_nFreeDiskMB = m_hardware.m_nFreeDiskMB;
    return m_bVirtualAdapter;
}

bool CFakeSteps::SearchInstalledUpdates(std::wstring, std::wstring& strFound)
{
    strFound = m_bUpdatesFound ? L"4474419, 4490628, 4536952" : L"";
    return m_bUpdatesFound;
}

SHttpDateResponse CFakeSteps::RequestInternetDate(const std::wstring& strUserAgent)
{
    m_strSeenUserAgent = strUserAgent;
    ++m_nDateRequests;
    return SHttpDateResponse{200, m_strInternetDate};
}
