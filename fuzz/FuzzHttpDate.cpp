// Feeds arbitrary header values to the Date parser and the clock comparison.
#include "clock/HttpDate.h"
#include "support/TextConvert.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::wstring strText =
        Utf8ToWide(std::string_view(reinterpret_cast<const char*>(pData), nSize));
    std::tm internetRecord{};
    if (ParseHttpDate(strText.c_str(), &internetRecord) == 0)
    {
        std::tm utcRecord{};
        if (BreakDownSystemTime(0, utcRecord))
        {
            ComputeClockDelta(utcRecord, internetRecord);
        }
    }
    return 0;
}
