#include "ui/cli/TerminalText.h"

#include "support/TextConvert.h"

#include <cstdio>

namespace
{
bool IsControl(wchar_t c, bool bKeepLineBreaks)
{
    return (c < 0x20 && !(bKeepLineBreaks && c == L'\n')) || c == 0x7F || (c >= 0x80 && c <= 0x9F);
}
} // namespace

std::string ToTerminalText(std::wstring_view strText, bool bKeepLineBreaks)
{
    std::string strOut;
    std::size_t nStart = 0;
    for (std::size_t i = 0; i <= strText.size(); ++i)
    {
        if (i < strText.size() && !IsControl(strText[i], bKeepLineBreaks))
        {
            continue;
        }
        strOut += WideToValidUtf8(strText.substr(nStart, i - nStart));
        if (i < strText.size())
        {
            char aEscape[8];
            const unsigned int nCode = static_cast<unsigned int>(strText[i]);
            std::snprintf(aEscape, sizeof aEscape, nCode < 0x80 ? "\\x%02X" : "\\u%04X", nCode);
            strOut += aEscape;
        }
        nStart = i + 1;
    }
    return strOut;
}
