#pragma once

#include "run/HttpDateResponse.h"

#include <chrono>
#include <optional>
#include <string>

// Sends one GET of the root of strBaseUrl (an https:// site root) with the single header
// "User-Agent" and returns the status code and the Date header. The client's own defaults apply
// (30-second timeout, certificate validation); a timeout may be given for tests. Raises
// CHttpRequestFailure when the server cannot be reached: no connection, a failed TLS handshake or
// certificate check, no answer in time, or an address the client cannot use.
SHttpDateResponse FetchHttpDate(const std::string& strBaseUrl, const std::wstring& strUserAgent,
                                std::optional<std::chrono::milliseconds> timeout = std::nullopt);

// Call first thing in main, before anything uses TLS: a process that ends while the client's
// threads still release a connection must not have the TLS library torn down under them.
void PrepareInternetTimeSource();
