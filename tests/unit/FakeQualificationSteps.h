#pragma once

#include "run/IQualificationSteps.h"
#include "run/IRunView.h"
#include "run/MessageBoxStyle.h"
#include "support/CZelSimpleException.h"

#include <deque>
#include <functional>
#include <new>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

// A run's steps scripted by the test; every call is recorded by name, in order.
class CFakeQualificationSteps : public IQualificationSteps
{
public:
    struct SNoDocument : IXmlDocument
    {
        std::unique_ptr<IXmlNodeList> SelectNodes(const wchar_t*) const override { return nullptr; }
    };

    bool IsRemoteSession() override
    {
        Record("IsRemoteSession");
        return m_bRemote;
    }
    bool IsOsVersionOrGreater(std::uint16_t nMajor, std::uint16_t nMinor,
                              std::uint16_t nServicePack) override
    {
        return std::tie(m_nMajor, m_nMinor, m_nServicePack) >=
               std::tie(nMajor, nMinor, nServicePack);
    }
    void CreateWorkFolder() override { Step("CreateWorkFolder"); }
    // Counted rather than recorded: it ends every run that got past the start-up gates.
    void ReleaseWorkFolder() override { ++m_nReleases; }
    std::wstring GetReportPath() override { return L"C:\\Temp\\sm3\\qualify\\qdxd.xml"; }
    void DeleteReportFile(const std::wstring&) override { Step("DeleteReportFile"); }
    bool FileExistsNormalized(std::wstring) override
    {
        Step("FileExistsNormalized");
        return m_bReportLocked;
    }
    void CaptureDiagnosticsReport() override { Step("CaptureDiagnosticsReport"); }
    std::unique_ptr<IXmlDocument> LoadDiagnosticsReport(const std::wstring&) override
    {
        Step("LoadDiagnosticsReport");
        return std::make_unique<SNoDocument>();
    }
    std::wstring GetDriveRoot(const std::wstring&) override { return L"C:\\"; }
    bool EvaluateHardwareReport(const IXmlDocument&, TestResults& results,
                                const std::wstring& strDriveRoot) override
    {
        Step("EvaluateHardwareReport");
        m_strDriveRootSeen = strDriveRoot;
        results.m_fFeatureLevel = m_hardware.m_fFeatureLevel;
        results.m_bSoundDevice = m_hardware.m_bSoundDevice;
        results.m_nMemoryMB = m_hardware.m_nMemoryMB;
        results.m_nFreeDiskMB = m_hardware.m_nFreeDiskMB;
        return m_bVirtualAdapter;
    }
    bool SearchInstalledUpdates(std::wstring strRequired, std::wstring& strFound) override
    {
        Step("SearchInstalledUpdates");
        m_strRequiredSeen = strRequired;
        strFound = m_strUpdatesFound;
        return m_bUpdatesInstalled;
    }
    SHttpDateResponse RequestInternetDate(const std::wstring&) override
    {
        Step("RequestInternetDate");
        return m_timeResponse;
    }
    std::time_t GetSystemTime() override { return m_systemTime; }

    // Makes the named step raise this exception (or throw a standard one when no code is given).
    void FailAt(std::string strStep, std::optional<CZelSimpleException> exception)
    {
        m_strFailingStep = std::move(strStep);
        m_failure = std::move(exception);
    }

    std::vector<std::string> m_aCalls;
    int m_nReleases = 0;
    bool m_bRemote = false;
    std::uint16_t m_nMajor = 10, m_nMinor = 0, m_nServicePack = 0;
    bool m_bReportLocked = false;
    TestResults m_hardware;
    bool m_bVirtualAdapter = false;
    bool m_bUpdatesInstalled = false;
    std::wstring m_strUpdatesFound;
    SHttpDateResponse m_timeResponse{200, L"Thu, 01 Jan 2026 00:00:00 GMT"};
    std::time_t m_systemTime = 1767225600; // 2026-01-01 00:00:00 UTC
    std::wstring m_strDriveRootSeen;
    std::wstring m_strRequiredSeen;

private:
    void Record(const char* pszName) { m_aCalls.emplace_back(pszName); }
    void Step(const char* pszName)
    {
        Record(pszName);
        if (m_strFailingStep == pszName)
        {
            if (m_failure)
            {
                throw *m_failure;
            }
            throw std::bad_alloc();
        }
    }

    std::string m_strFailingStep;
    std::optional<CZelSimpleException> m_failure;
};

// A window that records what the run asked of it; message boxes are answered from a script.
class CRecordingView : public IRunView
{
public:
    struct SBox
    {
        std::wstring strCaption;
        std::wstring strText;
        unsigned int nStyle;
    };

    int ShowMessageBox(const std::wstring& strText, const std::wstring& strCaption,
                       unsigned int nStyle) override
    {
        m_aBoxes.push_back({strCaption, strText, nStyle});
        m_aEvents.push_back(L"box:" + strCaption);
        if (m_onBox)
        {
            m_onBox();
        }
        if ((nStyle & MessageBoxStyle::kButtonMask) == MessageBoxStyle::kYesNoCancel)
        {
            return m_nConsentAnswer;
        }
        return MessageBoxAnswer::kOk;
    }
    void ShowBusyText(bool bShow) override
    {
        m_bBusyShown = bShow;
        m_aEvents.push_back(bShow ? L"busy:show" : L"busy:hide");
    }
    void EnableRunButton(bool bEnable) override
    {
        m_bButtonEnabled = bEnable;
        m_aEvents.push_back(bEnable ? L"button:enable" : L"button:disable");
    }
    void Invalidate() override { m_aEvents.push_back(L"invalidate"); }
    void Repaint() override { m_aEvents.push_back(L"repaint"); }

    std::vector<std::wstring> Captions() const
    {
        std::vector<std::wstring> aCaptions;
        for (const SBox& box : m_aBoxes)
        {
            aCaptions.push_back(box.strCaption);
        }
        return aCaptions;
    }

    int m_nConsentAnswer = MessageBoxAnswer::kYes;
    std::vector<SBox> m_aBoxes;
    std::vector<std::wstring> m_aEvents;
    bool m_bBusyShown = false;
    bool m_bButtonEnabled = true;
    std::function<void()> m_onBox;
};
