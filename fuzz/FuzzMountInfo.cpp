// Feeds arbitrary mount tables to the parser and to the choices the reader and collector make.
#include "collector/StorageMounts.h"
#include "diagnostics/MountPoints.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string_view strMountInfo(reinterpret_cast<const char*>(pData), nSize);
    const std::vector<SMountEntry> aMounts = ParseMountInfo(strMountInfo);
    FindMountPoint("/tmp/sm3/qualify", aMounts);
    SelectStorageMounts(aMounts);
    return 0;
}
