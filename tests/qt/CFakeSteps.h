#pragma once

#include "run/IQualificationSteps.h"

#include <ctime>
#include <functional>
#include <string>

// Steps that measure nothing: each answers what the test set, so every look of the dialog can be
// reached without the machine's own hardware, updates or network.
class CFakeSteps : public IQualificationSteps
{
public:
    bool IsRemoteSession() override { return m_bRemoteSession; }
    bool IsOsVersionOrGreater(std::uint16_t nMajor, std::uint16_t nMinor,
                              std::uint16_t nServicePackMajor) override;
    void CreateWorkFolder() override {}
    void ReleaseWorkFolder() override {}
    std::wstring GetReportPath() override { return L"/nonexistent/rigvet-fake/qdxd.xml"; }
    void DeleteReportFile(const std::wstring&) override {}
    bool FileExistsNormalized(std::wstring) override { return false; }
    void CaptureDiagnosticsReport() override;
    std::unique_ptr<IXmlDocument> LoadDiagnosticsReport(const std::wstring&) override;
    std::wstring GetDriveRoot(const std::wstring&) override { return L"/"; }
    bool EvaluateHardwareReport(const IXmlDocument&, TestResults& results,
                                const std::wstring&) override;
    bool SearchInstalledUpdates(std::wstring, std::wstring& strFound) override;
    SHttpDateResponse RequestInternetDate(const std::wstring& strUserAgent) override;
    std::time_t GetSystemTime() override { return m_systemTime; }

    bool m_bRemoteSession = false;
    bool m_bWindows8OrLater = true;
    TestResults m_hardware; // display, sound, memory and disk fields are copied into the record
    bool m_bVirtualAdapter = false;
    bool m_bCaptureFails = false;
    bool m_bUpdatesFound = true;
    // The system clock and the server's Date header; the default differs by 3 seconds.
    std::time_t m_systemTime = 1796965200; // Fri, 11 Dec 2026 05:00:00 GMT
    std::wstring m_strInternetDate = L"Fri, 11 Dec 2026 05:00:03 GMT";
    std::function<void()> m_fnDuringCapture;
    std::wstring m_strSeenUserAgent;
    int m_nDateRequests = 0;
};
