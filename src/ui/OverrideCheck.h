#pragma once

#include <optional>
#include <string>
#include <string_view>

// What is wrong with the environment variables that override this build's answers (the OS
// version, the time site), or nothing. Front ends refuse to start on such a value rather than
// quietly run with another.
std::optional<std::string> FindInvalidOverride();

// The platform's part, implemented for each platform.
// What is wrong with the overrides that only this platform reads, or nothing.
std::optional<std::string> FindInvalidPlatformOverride();
// The time site that the message on a wrong time site override gives as its example.
std::string_view GetExampleTimeServerUrl();
