#include "run/DialogIds.h"
#include "run/RequirementRows.h"
#include "support/StringIds.h"

namespace
{
constexpr std::int64_t kClockToleranceSeconds = 60;

bool IsClockAccurate(std::int64_t llClockDelta)
{
    // Compared without negating, so the most negative delta cannot overflow.
    return llClockDelta > -kClockToleranceSeconds && llClockDelta < kClockToleranceSeconds;
}

EVerdict Judge(const TestResults& results, const SRuleContext& context)
{
    return context.bInternetConsent ? PassIf(IsClockAccurate(results.m_llClockDelta))
                                    : EVerdict::Unknown;
}

// Positive deltas mean the system clock is behind internet time.
std::wstring FormatClockDelta(std::int64_t llDelta)
{
    if (llDelta == 0)
    {
        return L"clock matches internet time";
    }
    const std::uint64_t nSeconds =
        llDelta > 0 ? static_cast<std::uint64_t>(llDelta) : 0 - static_cast<std::uint64_t>(llDelta);
    return L"clock " + std::to_wstring(nSeconds) + (llDelta > 0 ? L" s behind" : L" s ahead of") +
           L" internet time";
}

std::wstring FormatValue(const TestResults& results, EVerdict verdict, ESystemFamily)
{
    return verdict == EVerdict::Unknown ? L"not compared"
                                        : FormatClockDelta(results.m_llClockDelta);
}

SRequirementResult DescribeUnknown(const TestResults& results, std::wstring strReason)
{
    SRequirementResult row =
        MakeValueRow(g_clockRequirement, results, EVerdict::Unknown, ESystemFamily::Windows);
    row.strReason = std::move(strReason);
    return row;
}

std::wstring GetUnknownReason(const SRunFacts& facts)
{
    if (facts.nClockFailureCode == static_cast<std::int32_t>(IDS_CLOCK_UNREACHABLE))
    {
        return L"not compared: the internet time server could not be reached";
    }
    if (facts.nClockFailureCode == static_cast<std::int32_t>(IDS_CLOCK_UPDATES_FAILED))
    {
        return L"not compared: the Windows updates test failed";
    }
    if (facts.endingError)
    {
        return L"not compared: the test stopped before the clock step";
    }
    return L"not compared: no consent to use the internet";
}

SRequirementResult DescribeLive(const SLiveRunBasis& basis, EVerdict verdict)
{
    if (verdict == EVerdict::Unknown)
    {
        return DescribeUnknown(basis.results, GetUnknownReason(basis.facts));
    }
    SRequirementResult row = MakeValueRow(g_clockRequirement, basis.results, verdict, basis.family);
    row.value = MakeInteger(basis.results.m_llClockDelta, L"s");
    if (verdict == EVerdict::Fail)
    {
        row.strReason = L"the clock must be within 59 s of internet time";
    }
    return row;
}

SRequirementResult DescribeReport(const SReportBasis& basis, EVerdict)
{
    return DescribeUnknown(basis.results, L"not part of a saved report");
}
} // namespace

const SRequirementDescriptor g_clockRequirement = {
    ERequirement::Clock,
    L"Accurate System Time",
    "clock",
    "clock",
    "clock_offset_s",
    IDS_CLOCK_HELP_CAPTION,
    IDS_CLOCK_HELP_TEXT,
    {IDC_CLOCK_PASS, IDC_CLOCK_FAIL, IDC_CLOCK_UNK, IDC_HELP_CLOCK, 1, 2},
    false,
    true,
    false,
    Judge,
    FormatValue,
    DescribeLive,
    DescribeReport,
    {L"Let Windows set the time automatically (Date and time settings), then run the test "
     L"again.",
     L"Turn on time synchronisation (timedatectl set-ntp true), then run the test again.",
     L"Answer Yes to the internet question and check that this PC reaches the internet, then "
     L"run the test again.",
     nullptr},
};
