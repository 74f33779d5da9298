#include "support/UserAgent.h"

#include "support/CFileVersion.h"

std::wstring g_strUserAgent;

std::wstring BuildUserAgent(const std::wstring& strModulePath)
{
    CFileVersion version;
    version.Read(strModulePath.empty() ? nullptr : strModulePath.c_str(), false);
    return L"Rigvet/" + version.ToString();
}
