#include "run/DialogIds.h"
#include "run/RequirementRows.h"
#include "support/StringIds.h"

namespace
{
constexpr std::uint32_t kMinimumFreeDiskMB = 1024;

EVerdict Judge(const TestResults& results, const SRuleContext&)
{
    return PassIf(results.m_nFreeDiskMB >= kMinimumFreeDiskMB);
}

std::wstring FormatValue(const TestResults& results, EVerdict, ESystemFamily)
{
    return std::to_wstring(results.m_nFreeDiskMB) + L" MB free";
}

SRequirementResult DescribeRow(const TestResults& results, EVerdict verdict, ESystemFamily family)
{
    SRequirementResult row = MakeValueRow(g_freeDiskRequirement, results, verdict, family);
    row.value = MakeInteger(results.m_nFreeDiskMB, L"MB");
    if (verdict != EVerdict::Pass)
    {
        row.strReason = L"1024 MB (of 1,000,000 bytes) or more must be free on the system drive";
    }
    return row;
}

std::wstring GetDriveName(const std::wstring& strDriveRoot)
{
    return !strDriveRoot.empty() && strDriveRoot.back() == L'\\'
               ? strDriveRoot.substr(0, strDriveRoot.size() - 1)
               : strDriveRoot;
}

// A report that lists no disk for the judged root gives 0 MB, which is no measurement.
SRequirementResult DescribeReport(const SReportBasis& basis, EVerdict verdict)
{
    SRequirementResult row = DescribeReportRow<DescribeRow>(basis, verdict);
    if (!basis.bDriveListed)
    {
        row.strReason = basis.strDriveRoot.empty()
                            ? L"the disk that a live run would judge is unknown here"
                            : L"the report lists no disk " + GetDriveName(basis.strDriveRoot);
    }
    return row;
}
} // namespace

const SRequirementDescriptor g_freeDiskRequirement = {
    ERequirement::FreeDisk,
    L"Free Disk Space",
    "freeDisk",
    "free_disk",
    "free_disk_mb",
    IDS_DISK_HELP_CAPTION,
    IDS_DISK_HELP_TEXT,
    {IDC_DISK_PASS, IDC_DISK_FAIL, IDC_DISK_UNK, IDC_HELP_DISK, 1, 1},
    true,
    false,
    false,
    Judge,
    FormatValue,
    DescribeLiveRow<DescribeRow>,
    DescribeReport,
    {L"Free some space, then run the test again.",
     L"Free some space on the disk of the home folder, then run the test again.",
     kReportAdviceWindows, kReportAdviceLinux},
};
