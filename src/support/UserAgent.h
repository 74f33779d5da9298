#pragma once

#include <string>

class CFileVersion;

// "Rigvet/" and the program's file version; built when the main window initialises and sent by
// the clock step. Empty until then.
extern std::wstring g_strUserAgent;

// "Rigvet/" and the file version of the executable at strModulePath ("Rigvet/0.0.0.0" when it
// cannot be read or the path is empty).
std::wstring BuildUserAgent(const std::wstring& strModulePath);

// "Rigvet/" and the version already read.
std::wstring FormatUserAgent(const CFileVersion& version);
