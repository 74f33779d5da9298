#include "support/UserAgent.h"

std::wstring g_strUserAgent;
