#include "collector/XmlText.h"

#include "support/TextConvert.h"

namespace
{
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

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
        const std::size_t nLength = DecodeUtf8Sequence(strText, cCodePoint);
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
