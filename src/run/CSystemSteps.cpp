#include "run/CSystemSteps.h"

#include "clock/InternetTimeSource.h"
#include "diagnostics/DiagnosticsCapture.h"
#include "diagnostics/DriveRoot.h"
#include "diagnostics/WorkFolder.h"
#include "run/OsVersion.h"
#include "run/RemoteSession.h"
#include "updates/SystemUpdateAgent.h"

bool CSystemSteps::IsRemoteSession()
{
    return ::IsRemoteSession();
}

bool CSystemSteps::IsOsVersionOrGreater(std::uint16_t nMajor, std::uint16_t nMinor,
                                        std::uint16_t nServicePackMajor)
{
    return ::IsOsVersionOrGreater(nMajor, nMinor, nServicePackMajor);
}

std::unique_ptr<IWorkFolder> CSystemSteps::CreateWorkFolder()
{
    return ::CreateWorkFolder();
}

void CSystemSteps::CaptureDiagnosticsReport(const IWorkFolder& folder)
{
    ::CaptureDiagnosticsReport(folder);
}

std::wstring CSystemSteps::GetReportDriveRoot()
{
    return ::GetDriveRoot(::GetReportPath());
}

std::unique_ptr<IUpdateAgent> CSystemSteps::CreateUpdateAgent()
{
    return CreateSystemUpdateAgent();
}

SHttpDateResponse CSystemSteps::FetchHttpDate(const std::string& strBaseUrl,
                                              const std::wstring& strUserAgent)
{
    return ::FetchHttpDate(strBaseUrl, strUserAgent);
}

std::time_t CSystemSteps::GetSystemTime()
{
    return std::time(nullptr);
}
