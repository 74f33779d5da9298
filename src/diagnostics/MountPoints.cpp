#include "diagnostics/MountPoints.h"

#include "support/TextConvert.h"

#include <algorithm>

namespace
{
bool Holds(const std::string& strMountPoint, const std::string& strPath)
{
    if (strMountPoint == "/" || strMountPoint == strPath)
    {
        return true;
    }
    return strPath.size() > strMountPoint.size() && strPath.starts_with(strMountPoint) &&
           strPath[strMountPoint.size()] == '/';
}
} // namespace

std::optional<std::string> FindMountPoint(const std::string& strPath,
                                          const std::vector<SMountEntry>& aMounts)
{
    std::optional<std::string> strBest;
    for (const SMountEntry& mount : aMounts)
    {
        const std::string& strMountPoint = mount.m_strMountPoint;
        if (Holds(strMountPoint, strPath) && (!strBest || strMountPoint.size() >= strBest->size()))
        {
            strBest = strMountPoint;
        }
    }
    // A root that is no mount of its own (a chroot) still holds every absolute path; the
    // collector lists it as "/" the same way.
    if (!strBest && strPath.starts_with('/'))
    {
        strBest = "/";
    }
    return strBest;
}

std::wstring BuildDriveRoot(const std::string& strMountPoint)
{
    return Utf8ToWide(strMountPoint) + L"\\";
}
