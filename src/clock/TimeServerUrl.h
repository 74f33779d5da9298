#pragma once

#include <optional>
#include <string>
#include <string_view>

// The HTTPS site whose Date header is taken as internet time. Its root must answer GET with
// status 200 and a Date header; a non-profit site with servers on every continent serves well.
inline constexpr const char* kDefaultTimeServerUrl = "https://www.wikipedia.org/";

// Replaces the default site, for tests and for networks that block it: https://host[:port]/
inline constexpr const char* kTimeServerUrlVariable = "RIGVET_TIME_URL";

// True for "https://" followed by a host name, an IPv4 address or a bracketed IPv6 address, an
// optional port from 1 to 65535, and an optional "/": the root of a site, nothing more.
bool IsValidTimeServerUrl(std::string_view strUrl);

// The override when it is set and valid, the default when it is unset, none when it is invalid.
std::optional<std::string> GetTimeServerUrl();

bool IsTimeServerUrlOverrideInvalid();
