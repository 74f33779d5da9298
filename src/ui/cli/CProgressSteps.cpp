#include "ui/cli/CProgressSteps.h"

CProgressSteps::CProgressSteps(IQualificationSteps& steps, CProgressLine& progress)
    : m_steps(steps), m_progress(progress)
{
}

bool CProgressSteps::IsRemoteSession()
{
    return m_steps.IsRemoteSession();
}

bool CProgressSteps::IsOsVersionOrGreater(std::uint16_t nMajor, std::uint16_t nMinor,
                                          std::uint16_t nServicePackMajor)
{
    return m_steps.IsOsVersionOrGreater(nMajor, nMinor, nServicePackMajor);
}

void CProgressSteps::CreateWorkFolder()
{
    m_progress.SetStep(L"Preparing the work folder");
    m_steps.CreateWorkFolder();
}

void CProgressSteps::ReleaseWorkFolder()
{
    m_steps.ReleaseWorkFolder();
}

std::wstring CProgressSteps::GetReportPath()
{
    return m_steps.GetReportPath();
}

void CProgressSteps::DeleteReportFile(const std::wstring& strReportPath)
{
    m_steps.DeleteReportFile(strReportPath);
}

bool CProgressSteps::FileExistsNormalized(std::wstring strPath)
{
    return m_steps.FileExistsNormalized(std::move(strPath));
}

void CProgressSteps::CaptureDiagnosticsReport()
{
    m_progress.SetStep(L"Collecting diagnostics");
    m_steps.CaptureDiagnosticsReport();
}

std::unique_ptr<IXmlDocument>
CProgressSteps::LoadDiagnosticsReport(const std::wstring& strReportPath)
{
    m_progress.SetStep(L"Reading the diagnostics report");
    return m_steps.LoadDiagnosticsReport(strReportPath);
}

std::wstring CProgressSteps::GetDriveRoot(const std::wstring& strPath)
{
    return m_steps.GetDriveRoot(strPath);
}

bool CProgressSteps::EvaluateHardwareReport(const IXmlDocument& document, TestResults& results,
                                            const std::wstring& strDriveRoot)
{
    return m_steps.EvaluateHardwareReport(document, results, strDriveRoot);
}

bool CProgressSteps::SearchInstalledUpdates(std::wstring strRequired, std::wstring& strFound)
{
    m_progress.SetStep(L"Searching the installed updates");
    return m_steps.SearchInstalledUpdates(std::move(strRequired), strFound);
}

SHttpDateResponse CProgressSteps::RequestInternetDate(const std::wstring& strUserAgent)
{
    m_progress.SetStep(L"Asking the internet time server");
    return m_steps.RequestInternetDate(strUserAgent);
}

std::time_t CProgressSteps::GetSystemTime()
{
    return m_steps.GetSystemTime();
}
