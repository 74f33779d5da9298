#include "support/UserAgent.h"

#include "support/CFileVersion.h"

std::wstring g_strUserAgent;

std::wstring BuildUserAgent(const std::wstring& strModulePath)
{
    CFileVersion version;
    version.Read(strModulePath.empty() ? nullptr : strModulePath.c_str(), false);
    return FormatUserAgent(version);
}

std::wstring FormatUserAgent(const CFileVersion& version)
{
    return L"Rigvet/" + version.ToString();
}
