#include "diagnostics/DriveRoot.h"
#include "diagnostics/MountPoints.h"
#include "diagnostics/PathText.h"
#include "support/RegularFile.h"
#include "support/TextConvert.h"

#include <climits>
#include <cstdlib>

namespace
{
std::string ReadMountInfo()
{
    const std::optional<std::vector<char>> aContent = ReadRegularFile("/proc/self/mountinfo", true);
    return aContent ? std::string(aContent->begin(), aContent->end()) : std::string();
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
