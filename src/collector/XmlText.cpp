#include "collector/XmlText.h"

namespace
{
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Length of the well-formed UTF-8 sequence at the start of strText and its code point; 0 when the
// bytes there do not form one (overlong forms and surrogates are not well-formed).
std::size_t DecodeUtf8(std::string_view strText, char32_t& cCodePoint)
{
    const auto nLead = static_cast<unsigned char>(strText[0]);
    std::size_t nLength = 0;
    char32_t cMinimum = 0;
    if (nLead < 0x80)
    {
        cCodePoint = nLead;
        return 1;
    }
    if (nLead >= 0xC2 && nLead <= 0xDF)
    {
        nLength = 2;
        cCodePoint = nLead & 0x1F;
        cMinimum = 0x80;
    }
    else if (nLead >= 0xE0 && nLead <= 0xEF)
    {
        nLength = 3;
        cCodePoint = nLead & 0x0F;
        cMinimum = 0x800;
    }
    else if (nLead >= 0xF0 && nLead <= 0xF4)
    {
        nLength = 4;
        cCodePoint = nLead & 0x07;
        cMinimum = 0x10000;
    }
    else
    {
        return 0;
    }
    if (strText.size() < nLength)
    {
        return 0;
    }
    for (std::size_t i = 1; i < nLength; ++i)
    {
        const auto nByte = static_cast<unsigned char>(strText[i]);
        if ((nByte & 0xC0) != 0x80)
        {
            return 0;
        }
        cCodePoint = (cCodePoint << 6) | (nByte & 0x3F);
    }
    const bool bSurrogate = cCodePoint >= 0xD800 && cCodePoint <= 0xDFFF;
    if (cCodePoint < cMinimum || cCodePoint > 0x10FFFF || bSurrogate)
    {
        return 0;
    }
    return nLength;
}

bool IsXmlCharacter(char32_t c)
{
    if (c < 0x20)
    {
        return c == 0x09 || c == 0x0A || c == 0x0D;
    }
    return c != 0xFFFE && c != 0xFFFF;
}
} // namespace

std::string SanitizeXmlText(std::string_view strText)
{
    std::string strResult;
    strResult.reserve(strText.size());
    while (!strText.empty())
    {
        char32_t cCodePoint = 0;
        const std::size_t nLength = DecodeUtf8(strText, cCodePoint);
        if (nLength == 0)
        {
            strResult += kReplacement;
            strText.remove_prefix(1);
            continue;
        }
        if (IsXmlCharacter(cCodePoint))
        {
            strResult += strText.substr(0, nLength);
        }
        strText.remove_prefix(nLength);
    }
    return strResult;
}
