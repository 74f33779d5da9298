#include "support/DiskName.h"

#include <cstdint>

namespace
{
// Length of the well-formed UTF-8 sequence at the start of the text, 0 when there is none.
std::size_t SequenceLength(std::string_view strText, char32_t& cCodePoint)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(strText[i]); };
    const std::uint8_t nLead = byte(0);
    std::size_t nLength = 0;
    char32_t cMinimum = 0;
    if (nLead < 0x80)
    {
        cCodePoint = nLead;
        return 1;
    }
    if ((nLead & 0xE0) == 0xC0)
    {
        nLength = 2, cCodePoint = nLead & 0x1F, cMinimum = 0x80;
    }
    else if ((nLead & 0xF0) == 0xE0)
    {
        nLength = 3, cCodePoint = nLead & 0x0F, cMinimum = 0x800;
    }
    else if ((nLead & 0xF8) == 0xF0)
    {
        nLength = 4, cCodePoint = nLead & 0x07, cMinimum = 0x10000;
    }
    if (nLength == 0 || strText.size() < nLength)
    {
        return 0;
    }
    for (std::size_t i = 1; i < nLength; ++i)
    {
        if ((byte(i) & 0xC0) != 0x80)
        {
            return 0;
        }
        cCodePoint = (cCodePoint << 6) | (byte(i) & 0x3F);
    }
    const bool bSurrogate = cCodePoint >= 0xD800 && cCodePoint <= 0xDFFF;
    return cCodePoint < cMinimum || cCodePoint > 0x10FFFF || bSurrogate ? 0 : nLength;
}

// Characters that pass as they are: printable, not the backslash, and kept by XML.
bool PassesUnchanged(char32_t cCodePoint)
{
    return cCodePoint >= 0x20 && cCodePoint != 0x7F && cCodePoint != U'\\' &&
           cCodePoint != 0xFFFE && cCodePoint != 0xFFFF;
}

void AppendEscaped(std::string& strOut, std::string_view strBytes)
{
    constexpr const char* kHexDigits = "0123456789ABCDEF";
    for (const char ch : strBytes)
    {
        const auto nByte = static_cast<std::uint8_t>(ch);
        strOut += "\\x";
        strOut += kHexDigits[nByte >> 4];
        strOut += kHexDigits[nByte & 0x0F];
    }
}
} // namespace

std::string EncodeDiskName(std::string_view strMountPoint)
{
    std::string strName;
    strName.reserve(strMountPoint.size());
    while (!strMountPoint.empty())
    {
        char32_t cCodePoint = 0;
        const std::size_t nLength = SequenceLength(strMountPoint, cCodePoint);
        const std::size_t nTaken = nLength == 0 ? 1 : nLength;
        if (nLength != 0 && PassesUnchanged(cCodePoint))
        {
            strName += strMountPoint.substr(0, nTaken);
        }
        else
        {
            AppendEscaped(strName, strMountPoint.substr(0, nTaken));
        }
        strMountPoint.remove_prefix(nTaken);
    }
    return strName;
}
