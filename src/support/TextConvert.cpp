#include "support/TextConvert.h"

#include <cstdint>

namespace
{
constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& strOut, char32_t cp)
{
    if (cp < 0x80)
    {
        strOut += static_cast<char>(cp);
    }
    else if (cp < 0x800)
    {
        strOut += static_cast<char>(0xC0 | (cp >> 6));
        strOut += static_cast<char>(0x80 | (cp & 0x3F));
    }
    else if (cp < 0x10000)
    {
        strOut += static_cast<char>(0xE0 | (cp >> 12));
        strOut += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        strOut += static_cast<char>(0x80 | (cp & 0x3F));
    }
    else
    {
        strOut += static_cast<char>(0xF0 | (cp >> 18));
        strOut += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        strOut += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        strOut += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void AppendWide(std::wstring& strOut, char32_t cp)
{
    if constexpr (sizeof(wchar_t) == 2)
    {
        if (cp >= 0x10000)
        {
            cp -= 0x10000;
            strOut += static_cast<wchar_t>(0xD800 + (cp >> 10));
            strOut += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
            return;
        }
    }
    strOut += static_cast<wchar_t>(cp);
}

bool IsSurrogate(char32_t cp)
{
    return cp >= 0xD800 && cp <= 0xDFFF;
}

// Bytes that are no valid UTF-8 stand for themselves as U+DC80..U+DCFF, which valid UTF-8
// never yields, so that a file name in another encoding survives the way to wide text and back.
constexpr char32_t kEscapedByteBase = 0xDC00;

bool IsEscapedByte(char32_t cp)
{
    return cp >= kEscapedByteBase + 0x80 && cp <= kEscapedByteBase + 0xFF;
}

// Decodes one code point at nPos; an invalid sequence yields its first byte, escaped.
char32_t DecodeUtf8(std::string_view str, std::size_t& nPos)
{
    char32_t cp = 0;
    const std::size_t nLength = DecodeUtf8Sequence(str.substr(nPos), cp);
    if (nLength == 0)
    {
        return kEscapedByteBase + static_cast<std::uint8_t>(str[nPos++]);
    }
    nPos += nLength;
    return cp;
}
} // namespace

std::size_t DecodeUtf8Sequence(std::string_view strText, char32_t& cCodePoint)
{
    if (strText.empty())
    {
        return 0;
    }
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

namespace
{
std::string ConvertToUtf8(std::wstring_view strWide, bool bRestoreBytes)
{
    std::string strOut;
    strOut.reserve(strWide.size());
    for (std::size_t i = 0; i < strWide.size(); ++i)
    {
        char32_t cp = static_cast<char32_t>(strWide[i]);
        if constexpr (sizeof(wchar_t) == 2)
        {
            if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < strWide.size())
            {
                const char32_t low = static_cast<char32_t>(strWide[i + 1]);
                if (low >= 0xDC00 && low <= 0xDFFF)
                {
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                    ++i;
                }
            }
        }
        if (IsEscapedByte(cp) && bRestoreBytes)
        {
            strOut += static_cast<char>(cp - kEscapedByteBase);
            continue;
        }
        if (IsSurrogate(cp) || cp > 0x10FFFF)
        {
            cp = kReplacement;
        }
        AppendUtf8(strOut, cp);
    }
    return strOut;
}
} // namespace

std::string WideToUtf8(std::wstring_view strWide)
{
    return ConvertToUtf8(strWide, true);
}

std::string WideToValidUtf8(std::wstring_view strWide)
{
    return ConvertToUtf8(strWide, false);
}

std::wstring Utf8ToWide(std::string_view strUtf8)
{
    std::wstring strOut;
    strOut.reserve(strUtf8.size());
    std::size_t nPos = 0;
    while (nPos < strUtf8.size())
    {
        AppendWide(strOut, DecodeUtf8(strUtf8, nPos));
    }
    return strOut;
}
