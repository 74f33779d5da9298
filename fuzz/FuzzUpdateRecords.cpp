// Feeds arbitrary update-record files, and a required list taken from their first line, to the
// record parser and the matching.
#include "support/TextConvert.h"
#include "updates/UpdateMatch.h"
#include "updates/UpdatesFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string_view strContent(reinterpret_cast<const char*>(pData), nSize);
    const std::vector<SUpdateRecord> aRecords = ParseUpdateRecords(strContent);
    std::wstring strFound;
    MatchRequiredUpdates(aRecords, Utf8ToWide(strContent.substr(0, strContent.find('\n'))),
                         strFound);
    return 0;
}
