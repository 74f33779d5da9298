#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The version words of a program, laid out as the fixed part of a Windows version resource: the
// high half of each word is the first of its two numbers.
struct SVersionWords
{
    std::uint32_t dwFileVersionMS = 0;
    std::uint32_t dwFileVersionLS = 0;
    std::uint32_t dwProductVersionMS = 0;
    std::uint32_t dwProductVersionLS = 0;
};

// The record that every program of the build carries in its own section of the executable file:
// a marker, then the four words in the byte order of that file.
inline constexpr const char* kVersionSectionName = ".rigvet_version";
inline constexpr std::size_t kVersionMarkerSize = 16;
inline constexpr char kVersionMarker[kVersionMarkerSize] = {'R', 'I', 'G', 'V', 'E', 'T', '-', 'V',
                                                            'E', 'R', 'S', 'I', 'O', 'N', '-', '1'};

struct SVersionRecord
{
    char achMarker[kVersionMarkerSize];
    SVersionWords words;
};

constexpr std::uint32_t MakeVersionWord(std::uint32_t nHigh, std::uint32_t nLow)
{
    return ((nHigh & 0xFFFF) << 16) | (nLow & 0xFFFF);
}

// The words of a record at the start of the section's bytes; none when the marker is missing or
// the bytes are too few.
std::optional<SVersionWords> ParseVersionRecord(const std::vector<std::uint8_t>& aBytes,
                                                bool bBigEndian);
