#include "diagnostics/MountPoints.h"
#include "diagnostics/PathText.h"
#include "support/TextConvert.h"

#include <cerrno>
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
    // A folder not made yet (the work folder before the first run) lies on the disk of the
    // nearest folder above it that exists.
    std::wstring strFolder = GetParentFolder(strPath, L'/');
    char aResolved[PATH_MAX] = {};
    while (realpath(WideToUtf8(strFolder).c_str(), aResolved) == nullptr)
    {
        const std::wstring strParent = GetParentFolder(strFolder, L'/');
        if (errno != ENOENT || strParent == strFolder)
        {
            return std::wstring();
        }
        strFolder = strParent;
    }
    const std::optional<std::string> strMountPoint =
        FindMountPoint(aResolved, ParseMountInfo(ReadMountInfo()));
    return strMountPoint ? BuildDriveRoot(*strMountPoint) : std::wstring();
}
