#pragma once

#include "clock/InternetTimeSource.h"

#include <cstdint>
#include <string>

// The boundary between the program and the module that holds the HTTPS client. The client and
// its TLS library are loaded only when the clock step runs, so that a run without it, and the
// program's start, pay nothing for them. Text crosses as UTF-8; no exception crosses.

struct STimeClientRequest
{
    std::string strBaseUrl;       // https://host[:port]/
    std::string strUserAgent;     // the one header sent
    std::int64_t llTimeoutMs = 0; // 0: the client's own default
};

struct STimeClientResult
{
    bool bAnswered = false; // false: the request failed, strFailure says why
    int nStatusCode = 0;
    std::string strDate; // the Date header, empty when absent
    std::string strFailure;
};

inline constexpr const char* kTimeClientModuleName = "librigvet-time.so";
inline constexpr const char* kTimeClientEntryName = "RigvetFetchHttpDate";

// The module's entry: one GET of the root of the base URL. Never throws.
using FTimeClientEntry = void (*)(const STimeClientRequest*, STimeClientResult*);
