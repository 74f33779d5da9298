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

// Decodes one code point at nPos and advances nPos past it.
char32_t DecodeSequence(std::string_view str, std::size_t& nPos)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(str[i]); };
    const std::uint8_t lead = byte(nPos++);
    if (lead < 0x80)
    {
        return lead;
    }
    int nTrail = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0)
    {
        nTrail = 1, cp = lead & 0x1F, minimum = 0x80;
    }
    else if ((lead & 0xF0) == 0xE0)
    {
        nTrail = 2, cp = lead & 0x0F, minimum = 0x800;
    }
    else if ((lead & 0xF8) == 0xF0)
    {
        nTrail = 3, cp = lead & 0x07, minimum = 0x10000;
    }
    else
    {
        return kReplacement;
    }
    for (int i = 0; i < nTrail; ++i)
    {
        if (nPos >= str.size() || (byte(nPos) & 0xC0) != 0x80)
        {
            return kReplacement;
        }
        cp = (cp << 6) | (byte(nPos++) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || IsSurrogate(cp))
    {
        return kReplacement;
    }
    return cp;
}

// Decodes one code point at nPos; an invalid sequence yields its first byte, escaped.
char32_t DecodeUtf8(std::string_view str, std::size_t& nPos)
{
    const std::size_t nStart = nPos;
    const char32_t cp = DecodeSequence(str, nPos);
    if (cp == kReplacement && !str.substr(nStart).starts_with("\xEF\xBF\xBD"))
    {
        nPos = nStart + 1;
        return kEscapedByteBase + static_cast<std::uint8_t>(str[nStart]);
    }
    return cp;
}
} // namespace

std::string WideToUtf8(std::wstring_view strWide)
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
        if (IsEscapedByte(cp))
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
