#include "diagnostics/MountPoints.h"
#include "support/TextConvert.h"

#include <climits>
#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <unistd.h>

namespace
{
std::string ReadMountInfo()
{
    std::ifstream file("/proc/self/mountinfo");
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
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
