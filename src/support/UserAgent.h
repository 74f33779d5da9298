#pragma once

#include <string>

class CFileVersion;

// "Rigvet/" and the program's file version; set by SetUserAgent when a front end starts and sent
// by the clock step. Empty until then.
extern std::wstring g_strUserAgent;

// Sets g_strUserAgent from the program's version: the one place it is set.
void SetUserAgent(const CFileVersion& version);

// SetUserAgent with the file version of the executable at strModulePath.
void SetUserAgentFromModule(const std::wstring& strModulePath);

// "Rigvet/" and the file version of the executable at strModulePath ("Rigvet/0.0.0.0" when it
// cannot be read or the path is empty).
std::wstring BuildUserAgent(const std::wstring& strModulePath);

// "Rigvet/" and the version already read.
std::wstring FormatUserAgent(const CFileVersion& version);
