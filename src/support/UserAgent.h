#pragma once

#include <string>

// "Rigvet/" and the program's file version; built when the main window initialises and sent by
// the clock step. Empty until then.
extern std::wstring g_strUserAgent;
