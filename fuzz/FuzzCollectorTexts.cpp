// Feeds arbitrary kernel texts to the collector's parsers and the report writer.
#include "collector/MemoryInfo.h"
#include "collector/PciIds.h"
#include "collector/SoundDevices.h"
#include "collector/SystemTexts.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string_view strText(reinterpret_cast<const char*>(pData), nSize);
    ParseMemoryBlockSize(strText);
    FormatPageFile(strText);
    LookUpPciNames(strText, 0x8086, 0x1234);
    ParseAlsaPlaybackDevices(strText, ParseAlsaCards(strText));
    FormatOperatingSystem(strText, strText);
    FormatProcessor(strText);
    return 0;
}
