// Feeds arbitrary report files to the report reader and the hardware checks.
#include "diagnostics/HardwareChecks.h"
#include "diagnostics/XmlDocumentLinux.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    CPugiXmlDocument document;
    if (document.LoadContent(std::vector<char>(pData, pData + nSize)))
    {
        TestResults results;
        EvaluateHardwareReport(document, results, L"C:\\");
    }
    return 0;
}
