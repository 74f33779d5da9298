// Feeds arbitrary mount tables to the parser and to the choices the reader and collector make.
#include "collector/StorageMounts.h"
#include "diagnostics/MountPoints.h"
#include "support/DiskName.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string_view strMountInfo(reinterpret_cast<const char*>(pData), nSize);
    const std::vector<SMountEntry> aMounts = ParseMountInfo(strMountInfo);
    FindDiskMountPoint("/home/lab/sm3", aMounts);
    for (const SMountEntry& mount : SelectStorageMounts(aMounts))
    {
        BuildDriveRoot(mount.m_strMountPoint);
    }
    return 0;
}
