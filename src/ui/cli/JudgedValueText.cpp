#include "ui/cli/JudgedValueText.h"

#include <charconv>

namespace
{
// The shortest text that reads back as the same level, always with a fraction: 12.1, 11.0.
std::wstring FormatFeatureLevel(float fLevel)
{
    char aBuffer[64] = {};
    const std::to_chars_result result = std::to_chars(aBuffer, aBuffer + sizeof(aBuffer), fLevel);
    std::string strText(aBuffer, result.ptr);
    if (strText.find_first_not_of("-0123456789") == std::string::npos)
    {
        strText += ".0";
    }
    return std::wstring(strText.begin(), strText.end());
}
} // namespace

std::wstring FormatJudgedValue(ERequirement requirement, const TestResults& results)
{
    switch (requirement)
    {
    case ERequirement::Display:
        return L"feature level " + FormatFeatureLevel(results.m_fFeatureLevel);
    case ERequirement::Sound:
        return results.m_bSoundDevice ? L"sound device present" : L"no sound device";
    case ERequirement::Memory:
        return std::to_wstring(results.m_nMemoryMB) + L" MB";
    case ERequirement::FreeDisk:
        return std::to_wstring(results.m_nFreeDiskMB) + L" MB free";
    case ERequirement::Updates:
    case ERequirement::Clock:
        break;
    }
    return std::wstring();
}
