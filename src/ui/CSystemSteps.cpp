#include "ui/CSystemSteps.h"

#include "clock/InternetTimeSource.h"
#include "clock/TimeServerUrl.h"
#include "run/OsVersion.h"
#include "run/RemoteSession.h"
#include "support/CZelSimpleException.h"

namespace
{
// A step whose adapter this build lacks stops the run with this code instead of measuring.
constexpr std::int32_t kStepUnavailableCode = -997;

[[noreturn]] void RaiseUnavailable(const wchar_t* pszStep)
{
    throw CZelSimpleException(kStepUnavailableCode,
                              std::wstring(L"This build cannot perform this step: ") + pszStep + L".");
}
} // namespace

bool CSystemSteps::IsRemoteSession() { return ::IsRemoteSession(); }

bool CSystemSteps::IsOsVersionOrGreater(std::uint16_t nMajor, std::uint16_t nMinor,
                                        std::uint16_t nServicePackMajor)
{
    return ::IsOsVersionOrGreater(nMajor, nMinor, nServicePackMajor);
}

void CSystemSteps::CreateWorkFolder() { RaiseUnavailable(L"the system diagnostics"); }

std::wstring CSystemSteps::GetReportPath() { return std::wstring(); }

void CSystemSteps::DeleteReportFile(const std::wstring&) {}

bool CSystemSteps::FileExistsNormalized(std::wstring) { return false; }

void CSystemSteps::CaptureDiagnosticsReport() { RaiseUnavailable(L"the system diagnostics"); }

std::unique_ptr<IXmlDocument> CSystemSteps::LoadDiagnosticsReport(const std::wstring&)
{
    RaiseUnavailable(L"reading the diagnostics report");
}

std::wstring CSystemSteps::GetDriveRoot(const std::wstring&) { return std::wstring(); }

bool CSystemSteps::EvaluateHardwareReport(const IXmlDocument&, TestResults&, const std::wstring&)
{
    RaiseUnavailable(L"the hardware checks");
}

bool CSystemSteps::SearchInstalledUpdates(std::wstring, std::wstring&)
{
    RaiseUnavailable(L"the Windows update search");
}

SHttpDateResponse CSystemSteps::RequestInternetDate(const std::wstring& strUserAgent)
{
    // rigvet-cli refuses an invalid address at start; a front end that does not is told here.
    const std::optional<std::string> strUrl = GetTimeServerUrl();
    if (!strUrl)
    {
        throw CHttpRequestFailure(std::string(kTimeServerUrlVariable) +
                                  " is not an https://host[:port]/ address");
    }
    return FetchHttpDate(*strUrl, strUserAgent);
}

std::time_t CSystemSteps::GetSystemTime() { return std::time(nullptr); }
