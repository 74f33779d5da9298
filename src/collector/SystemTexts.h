#pragma once

#include <string>
#include <string_view>

// A value of /etc/os-release, with its shell quoting removed; empty when the key is absent.
std::string ParseOsReleaseValue(std::string_view strOsRelease, std::string_view strKey);

// "<PRETTY_NAME> (Linux <kernel release>)", falling back to NAME and then to "Linux".
std::string FormatOperatingSystem(std::string_view strOsRelease, std::string_view strKernelRelease);

// "<model name> (<n> CPUs)" from /proc/cpuinfo; the model falls back to other fields some
// architectures use, then to "Unknown processor".
std::string FormatProcessor(std::string_view strCpuinfo);

// The non-empty parts joined by one blank, each trimmed.
std::string JoinNonEmpty(std::string_view strFirst, std::string_view strSecond,
                         std::string_view strThird);
