#include "diagnostics/MountPoints.h"

#include "support/DiskName.h"
#include "support/TextConvert.h"

#include <algorithm>
#include <array>

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

bool IsMemoryFileSystem(std::string_view strFileSystem)
{
    constexpr std::array<std::string_view, 2> kInMemory = {"tmpfs", "ramfs"};
    return std::find(kInMemory.begin(), kInMemory.end(), strFileSystem) != kInMemory.end();
}

std::optional<std::string> FindDiskMountPoint(const std::string& strPath,
                                              const std::vector<SMountEntry>& aMounts)
{
    if (!strPath.starts_with('/'))
    {
        return std::nullopt;
    }
    // The mounts holding the path, the one on top first: longer mount points cover shorter
    // ones, and later mounts cover earlier ones of the same mount point.
    std::vector<const SMountEntry*> aHolding;
    for (auto it = aMounts.rbegin(); it != aMounts.rend(); ++it)
    {
        if (Holds(it->m_strMountPoint, strPath))
        {
            aHolding.push_back(&*it);
        }
    }
    std::stable_sort(aHolding.begin(), aHolding.end(),
                     [](const SMountEntry* pFirst, const SMountEntry* pSecond)
                     { return pFirst->m_strMountPoint.size() > pSecond->m_strMountPoint.size(); });
    for (const SMountEntry* pMount : aHolding)
    {
        if (!IsMemoryFileSystem(pMount->m_strFileSystem))
        {
            return pMount->m_strMountPoint;
        }
    }
    const bool bRootListed =
        std::any_of(aMounts.begin(), aMounts.end(),
                    [](const SMountEntry& mount) { return mount.m_strMountPoint == "/"; });
    if (!bRootListed)
    {
        return "/";
    }
    return std::nullopt;
}

std::wstring BuildDriveRoot(const std::string& strMountPoint)
{
    return Utf8ToWide(EncodeDiskName(strMountPoint)) + L"\\";
}
