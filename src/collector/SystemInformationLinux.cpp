#include "collector/CollectorText.h"
#include "collector/MachineSources.h"
#include "collector/MemoryInfo.h"
#include "collector/SystemFiles.h"
#include "collector/SystemTexts.h"

#include <cstdlib>
#include <ctime>
#include <sys/utsname.h>

namespace
{
const std::string kMemoryFolder = "/sys/devices/system/memory";
const std::string kDmiFolder = "/sys/class/dmi/id/";

std::string ReadOrEmpty(const std::string& strPath)
{
    return ReadSystemFile(strPath).value_or("");
}

std::string ReadDmi(const char* pszName)
{
    return std::string(TrimText(ReadOrEmpty(kDmiFolder + pszName)));
}

bool IsMemoryBlockName(const std::string& strName)
{
    return strName.size() > 6 && strName.starts_with("memory") &&
           strName.find_first_not_of("0123456789", 6) == std::string::npos;
}

SMemorySources ReadMemorySources(const std::string& strMeminfo)
{
    SMemorySources sources;
    sources.m_strMeminfo = strMeminfo;
    sources.m_strBlockSize = ReadSystemFile(kMemoryFolder + "/block_size_bytes");
    if (sources.m_strBlockSize)
    {
        for (const std::string& strName : ListFolder(kMemoryFolder))
        {
            if (IsMemoryBlockName(strName))
            {
                sources.m_aBlockStates.push_back(
                    ReadOrEmpty(kMemoryFolder + "/" + strName + "/state"));
            }
        }
    }
    return sources;
}

std::string FormatLocalTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char aBuffer[128] = "";
    if (localtime_r(&now, &local) != nullptr)
    {
        std::strftime(aBuffer, sizeof aBuffer, "%A, %B %d, %Y, %H:%M:%S", &local);
    }
    return aBuffer;
}

std::string GetLanguage()
{
    for (const char* pszName : {"LC_ALL", "LC_MESSAGES", "LANG"})
    {
        const char* pszValue = std::getenv(pszName);
        if (pszValue != nullptr && *pszValue != '\0')
        {
            return pszValue;
        }
    }
    return "C";
}
} // namespace

SSystemInformation CollectSystemInformation()
{
    SSystemInformation info;
    utsname names{};
    const bool bNames = uname(&names) == 0;
    info.m_strTime = FormatLocalTime();
    info.m_strMachineName = bNames ? names.nodename : "";
    const SMachineIdentity identity =
        ReadMachineIdentity(ReadSystemFile, bNames ? names.release : "");
    info.m_strOperatingSystem = identity.m_strOperatingSystem;
    info.m_strLanguage = GetLanguage();
    info.m_strSystemManufacturer = identity.m_strManufacturer;
    info.m_strSystemModel = identity.m_strModel;
    info.m_strBios =
        JoinNonEmpty(ReadDmi("bios_vendor"), ReadDmi("bios_version"), ReadDmi("bios_date"));
    info.m_strProcessor = FormatProcessor(ReadOrEmpty("/proc/cpuinfo"));
    const std::string strMeminfo = ReadOrEmpty("/proc/meminfo");
    info.m_strMemory = FormatMemory(GetInstalledMemoryBytes(ReadMemorySources(strMeminfo)));
    info.m_strPageFile = FormatPageFile(strMeminfo);
    return info;
}
