#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The system a text is worded for: its tools and settings differ, and Linux merely answers as
// Windows 8 or later.
enum class ESystemFamily
{
    Windows,
    Linux,
};

struct SOsVersion
{
    std::uint16_t nMajor = 0;
    std::uint16_t nMinor = 0;
    std::uint16_t nServicePackMajor = 0;
};

// The two versions the run asks about: Windows 7 SP1, the oldest system it tests, and Windows 8,
// from which the display needs feature level 11.0 and no update search is made.
inline constexpr SOsVersion kWindows7Sp1{6, 1, 1};
inline constexpr SOsVersion kWindows8{6, 2, 0};

// What the Linux build answers as when no override is set: a system of Windows 8 or later.
inline constexpr SOsVersion kDefaultLinuxOsVersion{10, 0, 0};

// Major, then minor, then service-pack major decide, in that order of precedence.
bool IsOsVersionAtLeast(const SOsVersion& running, std::uint16_t nMajor, std::uint16_t nMinor,
                        std::uint16_t nServicePackMajor);

// "major.minor.servicepack", each a decimal number below 65536; nothing else is accepted.
std::optional<SOsVersion> ParseOsVersion(std::string_view strText);

// True when the running system is at least major.minor with that service pack. Asked afresh at
// every call. Implemented by the platform adapter.
bool IsOsVersionOrGreater(std::uint16_t nMajor, std::uint16_t nMinor,
                          std::uint16_t nServicePackMajor);

// The family of the system this build runs on. Implemented by the platform adapter.
ESystemFamily GetRunningSystemFamily();
