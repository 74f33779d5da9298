#include "diagnostics/DriveRoot.h"
#include "diagnostics/MountPoints.h"
#include "support/RegularFile.h"
#include "support/TextConvert.h"

#include <climits>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace
{
// Far more than the mount table of any machine.
constexpr std::size_t kMaxMountInfoBytes = 16 * 1024 * 1024;

std::string ReadMountInfo()
{
    const std::optional<std::vector<char>> aContent =
        ReadRegularFile("/proc/self/mountinfo", true, kMaxMountInfoBytes);
    return aContent ? std::string(aContent->begin(), aContent->end()) : std::string();
}

// $HOME when it is an absolute path, else the home folder of the user's account.
std::string FindHomeFolder()
{
    const char* pszHome = std::getenv("HOME");
    if (pszHome != nullptr && *pszHome == '/')
    {
        return pszHome;
    }
    const passwd* pAccount = getpwuid(geteuid());
    return pAccount != nullptr && pAccount->pw_dir != nullptr ? pAccount->pw_dir : "";
}
} // namespace

std::wstring GetDriveRoot(const std::wstring&)
{
    // Lets a report written on Windows ("C:") be checked here as it would be there.
    const char* pszOverride = std::getenv(kDriveRootVariable);
    if (pszOverride != nullptr && *pszOverride != '\0')
    {
        return Utf8ToWide(pszOverride);
    }
    char aResolved[PATH_MAX] = {};
    const std::string strHome = FindHomeFolder();
    if (strHome.empty() || realpath(strHome.c_str(), aResolved) == nullptr)
    {
        return std::wstring();
    }
    const std::optional<std::string> strMountPoint =
        FindDiskMountPoint(aResolved, ParseMountInfo(ReadMountInfo()));
    return strMountPoint ? BuildDriveRoot(*strMountPoint) : std::wstring();
}
