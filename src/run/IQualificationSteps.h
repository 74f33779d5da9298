#pragma once

#include "diagnostics/IXmlDocument.h"
#include "diagnostics/WorkFolder.h"
#include "run/HttpDateResponse.h"
#include "run/OsVersion.h"
#include "run/TestResults.h"
#include "updates/IUpdateAgent.h"

#include <cstdint>
#include <ctime>
#include <memory>
#include <string>

// What the run asks of the system, in the order it asks: the operating system's answers, the
// work folder and the capture into it, the update agent, the time server and the clock. The run
// itself judges what they give. Those that stop the run raise CZelSimpleException; the time
// server's request raises CHttpRequestFailure.
class IQualificationSteps
{
public:
    virtual ~IQualificationSteps() = default;

    virtual bool IsRemoteSession() = 0;
    virtual bool IsOsVersionOrGreater(std::uint16_t nMajor, std::uint16_t nMinor,
                                      std::uint16_t nServicePackMajor) = 0;

    // Creates the work folder and holds it for the run until the handle goes; never null.
    virtual std::unique_ptr<IWorkFolder> CreateWorkFolder() = 0;
    virtual void CaptureDiagnosticsReport(const IWorkFolder& folder) = 0;
    // The root of the drive that holds the work folder's report (GetDriveRoot), or empty when it
    // has none; the work folder need not exist.
    virtual std::wstring GetReportDriveRoot() = 0;

    // The Windows Update Agent, or what stands for it (SearchInstalledUpdates asks it).
    virtual std::unique_ptr<IUpdateAgent> CreateUpdateAgent() = 0;

    // One GET of the time server's root (FetchHttpDate).
    virtual SHttpDateResponse FetchHttpDate(const std::string& strBaseUrl,
                                            const std::wstring& strUserAgent) = 0;
    virtual std::time_t GetSystemTime() = 0;
};

// Whether the running system, as the steps answer, is at least that version.
inline bool IsSystemAtLeast(IQualificationSteps& steps, const SOsVersion& version)
{
    return steps.IsOsVersionOrGreater(version.nMajor, version.nMinor, version.nServicePackMajor);
}
