#pragma once

#include "diagnostics/HardwareChecks.h"
#include "run/IQualificationSteps.h"
#include "run/OsVersion.h"
#include "support/CZelSimpleException.h"
#include "updates/CFileUpdateAgent.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <new>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

// The one fake of the run's steps: each answers what the test set, so every path of the run can
// be reached without the machine's hardware, updates or network. Every step is recorded by name,
// in order.
class CFakeQualificationSteps : public IQualificationSteps
{
public:
    // The report as the hardware checks query it: each query's elements with their children's
    // texts. Any other query (the machine's identity) matches nothing.
    class CFakeReport : public IXmlDocument
    {
    public:
        using CElement = std::map<std::wstring, std::wstring>;

        std::unique_ptr<IXmlNodeList> SelectNodes(const wchar_t* pszQuery) const override
        {
            const auto it = m_queries.find(pszQuery);
            return it == m_queries.end() ? nullptr : std::make_unique<CList>(it->second);
        }

        std::map<std::wstring, std::vector<CElement>> m_queries;

    private:
        class CNode : public IXmlNode
        {
        public:
            explicit CNode(CElement element) : m_element(std::move(element)) {}
            std::wstring GetChildText(const wchar_t* pszChildName) const override
            {
                const auto it = m_element.find(pszChildName);
                return it == m_element.end() ? std::wstring() : it->second;
            }

        private:
            CElement m_element;
        };

        class CList : public IXmlNodeList
        {
        public:
            explicit CList(std::vector<CElement> aElements) : m_aElements(std::move(aElements)) {}
            std::int32_t GetLength() const override
            {
                return static_cast<std::int32_t>(m_aElements.size());
            }
            std::unique_ptr<IXmlNode> GetItem(std::int32_t nIndex) const override
            {
                return std::make_unique<CNode>(m_aElements.at(static_cast<std::size_t>(nIndex)));
            }

        private:
            std::vector<CElement> m_aElements;
        };
    };

    // What a report of a machine with m_hardware says (the feature level written major_minor,
    // the free space of C: in bytes), with a virtual adapter beside the real one when one is set.
    std::unique_ptr<IXmlDocument> MakeReport() const
    {
        auto pReport = std::make_unique<CFakeReport>();
        std::wstring strLevel = std::to_wstring(m_hardware.m_fFeatureLevel);
        std::replace(strLevel.begin(), strLevel.end(), L'.', L'_');
        auto& aAdapters = pReport->m_queries[L"DxDiag/DisplayDevices/DisplayDevice"];
        aAdapters.push_back({{L"CardName", L"Real Adapter"}, {L"FeatureLevels", strLevel}});
        if (m_bVirtualAdapter)
        {
            aAdapters.push_back({{L"CardName", g_aVirtualAdapterNames[1]}});
        }
        pReport->m_queries[L"DxDiag/DirectSound/SoundDevices/SoundDevice"].resize(
            m_hardware.m_bSoundDevice ? 1 : 0);
        pReport->m_queries[L"DxDiag//LogicalDisk"] = {
            {{L"DriveLetter", L"C:"},
             {L"FreeSpace", std::to_wstring(m_hardware.m_nFreeDiskMB * 1000000ULL)}}};
        pReport->m_queries[L"DxDiag/SystemInformation"] = {
            {{L"Memory", std::to_wstring(m_hardware.m_nMemoryMB) + L"MB RAM"}}};
        return pReport;
    }

    bool IsRemoteSession() override
    {
        Record("IsRemoteSession");
        return m_bRemote;
    }
    bool IsOsVersionOrGreater(std::uint16_t nMajor, std::uint16_t nMinor,
                              std::uint16_t nServicePack) override
    {
        return IsOsVersionAtLeast(m_osVersion, nMajor, nMinor, nServicePack);
    }
    // The held work folder: its operations are recorded as steps of the run.
    class CFakeWorkFolder : public IWorkFolder
    {
    public:
        explicit CFakeWorkFolder(CFakeQualificationSteps& steps) : m_steps(steps) {}
        // Counted rather than recorded: the hold ends every run that created the folder.
        ~CFakeWorkFolder() override { ++m_steps.m_nReleases; }
        void DeleteReport() override { m_steps.Step("DeleteReportFile"); }
        bool ReportExists() const override
        {
            m_steps.Step("FileExistsNormalized");
            return m_steps.m_bReportLocked;
        }
        std::unique_ptr<IXmlDocument> LoadReport() const override
        {
            m_steps.Step("LoadDiagnosticsReport");
            return m_steps.MakeReport();
        }
        SCollectorPlace GetCollectorPlace() const override { return SCollectorPlace{}; }

    private:
        CFakeQualificationSteps& m_steps;
    };

    std::unique_ptr<IWorkFolder> CreateWorkFolder() override
    {
        Step("CreateWorkFolder");
        return std::make_unique<CFakeWorkFolder>(*this);
    }
    void CaptureDiagnosticsReport(const IWorkFolder&) override
    {
        if (m_onCapture)
        {
            m_onCapture();
        }
        Step("CaptureDiagnosticsReport");
    }
    std::wstring GetReportDriveRoot() override { return L"C:\\"; }
    // The update agent: its search finds one update with the ids of m_strUpdatesFound.
    class CFakeUpdateAgent : public IUpdateAgent
    {
    public:
        explicit CFakeUpdateAgent(CFakeQualificationSteps& steps) : m_steps(steps) {}
        std::int32_t CoInitialize() override
        {
            m_steps.Step("SearchInstalledUpdates");
            return kAgentStatusOk;
        }
        void CoUninitialize() override {}
        std::int32_t CreateUpdateSession(std::unique_ptr<IUpdateSessionObject>& pSession) override
        {
            std::vector<SUpdateRecord> aRecords;
            if (!m_steps.m_strUpdatesFound.empty())
            {
                aRecords.push_back(SUpdateRecord{SplitOnComma(m_steps.m_strUpdatesFound)});
            }
            pSession = CreateRecordSession(std::move(aRecords));
            return kAgentStatusOk;
        }

    private:
        static std::vector<std::wstring> SplitOnComma(const std::wstring& strIds)
        {
            std::vector<std::wstring> aIds;
            std::wistringstream ids(strIds);
            for (std::wstring strId; std::getline(ids, strId, L',');)
            {
                aIds.push_back(strId);
            }
            return aIds;
        }

        CFakeQualificationSteps& m_steps;
    };

    std::unique_ptr<IUpdateAgent> CreateUpdateAgent() override
    {
        return std::make_unique<CFakeUpdateAgent>(*this);
    }
    // Every update that the run requires on Windows 7.
    void InstallRequiredUpdates() { m_strUpdatesFound = L"4474419,4490628,4536952"; }
    SHttpDateResponse FetchHttpDate(const std::string& strBaseUrl,
                                    const std::wstring& strUserAgent) override
    {
        Step("RequestInternetDate");
        m_aUrls.push_back(strBaseUrl);
        m_aUserAgents.push_back(strUserAgent);
        return m_request ? m_request(strUserAgent) : m_timeResponse;
    }
    std::time_t GetSystemTime() override { return m_systemTime; }

    // Makes the named step raise this exception (or throw a standard one when no code is given).
    void FailAt(std::string strStep, std::optional<CZelSimpleException> exception)
    {
        m_strFailingStep = std::move(strStep);
        m_failure = std::move(exception);
    }

    std::vector<std::string> m_aCalls;
    int m_nReleases = 0; // work folders let go
    bool m_bRemote = false;
    SOsVersion m_osVersion{10, 0, 0}; // the Windows version the run sees
    bool m_bReportLocked = false;
    TestResults m_hardware;
    bool m_bVirtualAdapter = false;
    std::wstring m_strUpdatesFound; // the ids the update agent records, joined by ","
    SHttpDateResponse m_timeResponse{200, L"Thu, 01 Jan 2026 00:00:00 GMT"};
    // Answers the clock's request in place of m_timeResponse when set.
    std::function<SHttpDateResponse(const std::wstring&)> m_request;
    std::vector<std::wstring> m_aUserAgents; // one per request sent
    std::vector<std::string> m_aUrls;        // the time server of each request
    std::function<void()> m_onCapture;       // runs while the diagnostics tool would run
    std::time_t m_systemTime = 1767225600;   // 2026-01-01 00:00:00 UTC

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
