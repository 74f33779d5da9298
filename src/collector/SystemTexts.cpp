#include "collector/SystemTexts.h"

#include "collector/CollectorText.h"

namespace
{
// os-release values are shell words: quoted with '...' or "..." (where a backslash escapes the
// next character) or bare.
std::string UnquoteShellWord(std::string_view strWord)
{
    std::string strResult;
    char cQuote = 0;
    for (std::size_t i = 0; i < strWord.size(); ++i)
    {
        const char c = strWord[i];
        if (cQuote == 0 && (c == '"' || c == '\''))
        {
            cQuote = c;
        }
        else if (c == cQuote)
        {
            cQuote = 0;
        }
        else if (c == '\\' && cQuote != '\'' && i + 1 < strWord.size())
        {
            strResult += strWord[++i];
        }
        else
        {
            strResult += c;
        }
    }
    return strResult;
}
} // namespace

std::string ParseOsReleaseValue(std::string_view strOsRelease, std::string_view strKey)
{
    for (const std::string_view strLine : SplitLines(strOsRelease))
    {
        const std::string_view strTrimmed = TrimText(strLine);
        const std::size_t nEquals = strTrimmed.find('=');
        if (nEquals != std::string_view::npos && strTrimmed.substr(0, nEquals) == strKey)
        {
            return UnquoteShellWord(strTrimmed.substr(nEquals + 1));
        }
    }
    return {};
}

std::string FormatOperatingSystem(std::string_view strOsRelease, std::string_view strKernelRelease)
{
    std::string strName = ParseOsReleaseValue(strOsRelease, "PRETTY_NAME");
    if (strName.empty())
    {
        strName = ParseOsReleaseValue(strOsRelease, "NAME");
    }
    if (strName.empty())
    {
        strName = "Linux";
    }
    const std::string_view strKernel = TrimText(strKernelRelease);
    if (strKernel.empty())
    {
        return strName;
    }
    return strName + " (Linux " + std::string(strKernel) + ")";
}

std::string FormatProcessor(std::string_view strCpuinfo)
{
    std::string_view strModel;
    for (const std::string_view strKey : {"model name", "Model", "cpu model", "cpu"})
    {
        if (FindKeyedValue(strCpuinfo, strKey, ':', strModel) && !strModel.empty())
        {
            break;
        }
    }
    int nCount = 0;
    for (const std::string_view strLine : SplitLines(strCpuinfo))
    {
        const std::size_t nColon = strLine.find(':');
        nCount +=
            nColon != std::string_view::npos && TrimText(strLine.substr(0, nColon)) == "processor";
    }
    std::string strText = strModel.empty() ? "Unknown processor" : std::string(strModel);
    if (nCount > 0)
    {
        strText += " (" + std::to_string(nCount) + (nCount == 1 ? " CPU)" : " CPUs)");
    }
    return strText;
}

std::string JoinNonEmpty(std::string_view strFirst, std::string_view strSecond,
                         std::string_view strThird)
{
    std::string strResult;
    for (const std::string_view strPart : {strFirst, strSecond, strThird})
    {
        const std::string_view strTrimmed = TrimText(strPart);
        if (strTrimmed.empty())
        {
            continue;
        }
        if (!strResult.empty())
        {
            strResult += ' ';
        }
        strResult += strTrimmed;
    }
    return strResult;
}

SMachineIdentity ReadMachineIdentity(const SystemFileReader& ReadFile,
                                     std::string_view strKernelRelease)
{
    const auto ReadDmi = [&](const char* pszName)
    {
        return std::string(
            TrimText(ReadFile(std::string("/sys/class/dmi/id/") + pszName).value_or("")));
    };
    std::optional<std::string> strOsRelease = ReadFile("/etc/os-release");
    if (!strOsRelease)
    {
        strOsRelease = ReadFile("/usr/lib/os-release");
    }
    SMachineIdentity identity;
    identity.m_strManufacturer = ReadDmi("sys_vendor");
    identity.m_strModel = ReadDmi("product_name");
    identity.m_strOperatingSystem =
        FormatOperatingSystem(strOsRelease.value_or(""), strKernelRelease);
    return identity;
}
