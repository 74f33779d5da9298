#include "support/UserAgent.h"

#include "support/CFileVersion.h"

std::wstring g_strUserAgent;

namespace
{
CFileVersion ReadModuleVersion(const std::wstring& strModulePath)
{
    CFileVersion version;
    version.Read(strModulePath.empty() ? nullptr : strModulePath.c_str(), false);
    return version;
}
} // namespace

std::wstring BuildUserAgent(const std::wstring& strModulePath)
{
    return FormatUserAgent(ReadModuleVersion(strModulePath));
}

std::wstring FormatUserAgent(const CFileVersion& version)
{
    return L"Rigvet/" + version.ToString();
}

void SetUserAgent(const CFileVersion& version)
{
    g_strUserAgent = FormatUserAgent(version);
}

void SetUserAgentFromModule(const std::wstring& strModulePath)
{
    SetUserAgent(ReadModuleVersion(strModulePath));
}
