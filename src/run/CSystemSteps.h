#pragma once

#include "run/IQualificationSteps.h"

// The run's steps on this machine: each call goes to the adapter of its subsystem.
class CSystemSteps : public IQualificationSteps
{
public:
    bool IsRemoteSession() override;
    bool IsOsVersionOrGreater(std::uint16_t nMajor, std::uint16_t nMinor,
                              std::uint16_t nServicePackMajor) override;
    std::unique_ptr<IWorkFolder> CreateWorkFolder() override;
    void CaptureDiagnosticsReport(const IWorkFolder& folder) override;
    std::wstring GetReportDriveRoot() override;
    std::unique_ptr<IUpdateAgent> CreateUpdateAgent() override;
    SHttpDateResponse FetchHttpDate(const std::string& strBaseUrl,
                                    const std::wstring& strUserAgent) override;
    std::time_t GetSystemTime() override;
};
