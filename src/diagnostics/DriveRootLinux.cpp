#include "diagnostics/MountPoints.h"
#include "diagnostics/PathText.h"
#include "support/TextConvert.h"

#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace
{
std::string ReadMountInfo()
{
    std::ifstream file("/proc/self/mountinfo");
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}
} // namespace

std::wstring GetDriveRoot(const std::wstring& strPath)
{
    // Lets a report written on Windows ("C:") be checked here as it would be there.
    const char* pszOverride = std::getenv(kDriveRootVariable);
    if (pszOverride != nullptr && *pszOverride != '\0')
    {
        return Utf8ToWide(pszOverride);
    }
    char aResolved[PATH_MAX] = {};
    if (realpath(WideToUtf8(GetParentFolder(strPath, L'/')).c_str(), aResolved) == nullptr)
    {
        return std::wstring();
    }
    const std::optional<std::string> strMountPoint =
        FindMountPoint(aResolved, ParseMountInfo(ReadMountInfo()));
    return strMountPoint ? BuildDriveRoot(*strMountPoint) : std::wstring();
}
