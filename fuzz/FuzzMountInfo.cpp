// Feeds arbitrary mount tables to the parsers of the reader and of the collector.
#include "collector/MountInfo.h"
#include "diagnostics/MountPoints.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string_view strMountInfo(reinterpret_cast<const char*>(pData), nSize);
    FindMountPoint("/tmp/sm3/qualify", ParseMountPoints(strMountInfo));
    SelectStorageMounts(ParseMountInfo(strMountInfo));
    return 0;
}
