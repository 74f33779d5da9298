#pragma once

#include "run/HttpDateResponse.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

// What one request may receive, all told: the TLS handshake, the response's headers and the start
// of its body. The connection is cut when the server sends more, so that no answer, however long
// its headers, takes more memory than about this. Far more than any real site's headers.
inline constexpr std::uint64_t kMaxTimeResponseBytes = 1024 * 1024;

// Sends one GET of the root of strBaseUrl (an https:// site root) with the single header
// "User-Agent" and returns the status code and the Date header. The client's own defaults apply
// (30-second timeout, certificate validation); a timeout may be given for tests. An answer longer
// than kMaxTimeResponseBytes fails. Raises
// CHttpRequestFailure when the server cannot be reached: no connection, a failed TLS handshake or
// certificate check, no answer in time, or an address the client cannot use.
SHttpDateResponse FetchHttpDate(const std::string& strBaseUrl, const std::wstring& strUserAgent,
                                std::optional<std::chrono::milliseconds> timeout = std::nullopt);

// Loads the HTTPS client and its TLS library, which FetchHttpDate otherwise does at its first
// call. A program that uses TLS itself (a test server) calls this first, before it touches TLS:
// a process that ends while the client's threads still release a connection must not have the
// TLS library torn down under them. Front ends need not call it; they load nothing of the client
// until the clock step runs.
void PrepareInternetTimeSource();
