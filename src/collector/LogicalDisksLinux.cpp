#include "collector/MachineSources.h"
#include "collector/StorageMounts.h"
#include "collector/SystemFiles.h"
#include "support/DiskName.h"

#include <sys/statvfs.h>

std::vector<SLogicalDisk> CollectLogicalDisks()
{
    std::vector<SLogicalDisk> aDisks;
    const std::vector<SMountEntry> aMounts =
        SelectStorageMounts(ParseMountInfo(ReadSystemFile("/proc/self/mountinfo").value_or("")));
    for (const SMountEntry& mount : aMounts)
    {
        struct statvfs status
        {
        };
        if (statvfs(mount.m_strMountPoint.c_str(), &status) != 0)
        {
            continue;
        }
        SLogicalDisk disk;
        disk.m_strDriveLetter = EncodeDiskName(mount.m_strMountPoint);
        disk.m_llFreeSpace = static_cast<std::uint64_t>(status.f_bavail) * status.f_frsize;
        disk.m_llMaxSpace = static_cast<std::uint64_t>(status.f_blocks) * status.f_frsize;
        disk.m_strFileSystem = mount.m_strFileSystem;
        aDisks.push_back(disk);
    }
    return aDisks;
}
