#include "diagnostics/MountPoints.h"
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

std::string ParentOf(const std::string& strPath)
{
    const std::size_t nSlash = strPath.rfind('/');
    if (nSlash == std::string::npos)
    {
        return ".";
    }
    return nSlash == 0 ? "/" : strPath.substr(0, nSlash);
}
} // namespace

std::wstring GetDriveRoot(const std::wstring& strPath)
{
    char aResolved[PATH_MAX] = {};
    if (realpath(ParentOf(WideToUtf8(strPath)).c_str(), aResolved) == nullptr)
    {
        return std::wstring();
    }
    const std::optional<std::string> strMountPoint =
        FindMountPoint(aResolved, ParseMountPoints(ReadMountInfo()));
    return strMountPoint ? BuildDriveRoot(*strMountPoint) : std::wstring();
}
