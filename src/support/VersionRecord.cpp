#include "support/VersionRecord.h"

namespace
{
constexpr std::size_t kRecordSize = kVersionMarkerSize + 4 * sizeof(std::uint32_t);

std::uint32_t DecodeWord(const std::uint8_t* pBytes, bool bBigEndian)
{
    std::uint32_t nValue = 0;
    for (std::size_t i = 0; i < sizeof(std::uint32_t); ++i)
    {
        const std::size_t nByte = bBigEndian ? i : sizeof(std::uint32_t) - 1 - i;
        nValue = (nValue << 8) | pBytes[nByte];
    }
    return nValue;
}
} // namespace

std::optional<SVersionWords> ParseVersionRecord(const std::vector<std::uint8_t>& aBytes,
                                                bool bBigEndian)
{
    if (aBytes.size() < kRecordSize)
    {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < kVersionMarkerSize; ++i)
    {
        if (aBytes[i] != static_cast<std::uint8_t>(kVersionMarker[i]))
        {
            return std::nullopt;
        }
    }
    const std::uint8_t* pWords = aBytes.data() + kVersionMarkerSize;
    SVersionWords words;
    words.dwFileVersionMS = DecodeWord(pWords, bBigEndian);
    words.dwFileVersionLS = DecodeWord(pWords + 4, bBigEndian);
    words.dwProductVersionMS = DecodeWord(pWords + 8, bBigEndian);
    words.dwProductVersionLS = DecodeWord(pWords + 12, bBigEndian);
    return words;
}
