#include "run/DialogIds.h"
#include "run/RequirementRows.h"
#include "support/StringIds.h"

namespace
{
constexpr std::uint32_t kMinimumMemoryMB = 4095;

EVerdict Judge(const TestResults& results, const SRuleContext&)
{
    return PassIf(results.m_nMemoryMB >= kMinimumMemoryMB);
}

std::wstring FormatValue(const TestResults& results, EVerdict, ESystemFamily)
{
    return std::to_wstring(results.m_nMemoryMB) + L" MB";
}

SRequirementResult DescribeRow(const TestResults& results, EVerdict verdict, ESystemFamily family)
{
    SRequirementResult row = MakeValueRow(g_memoryRequirement, results, verdict, family);
    row.value = MakeInteger(results.m_nMemoryMB, L"MB");
    if (verdict != EVerdict::Pass)
    {
        row.strReason = L"4095 MB of memory or more is needed";
    }
    return row;
}
} // namespace

const SRequirementDescriptor g_memoryRequirement = {
    ERequirement::Memory,
    L"System Memory",
    "memory",
    "memory",
    "memory_mb",
    IDS_MEMORY_HELP_CAPTION,
    IDS_MEMORY_HELP_TEXT,
    {IDC_MEMORY_PASS, IDC_MEMORY_FAIL, IDC_MEMORY_UNK, IDC_HELP_MEMORY, 1, 0},
    true,
    false,
    false,
    Judge,
    FormatValue,
    DescribeLiveRow<DescribeRow>,
    DescribeReportRow<DescribeRow>,
    {L"Add memory (4 GB or more in all) or use a PC that has it, then run the test again.", nullptr,
     kReportAdviceWindows, kReportAdviceLinux},
};
