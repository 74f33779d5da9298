#include "ui/cli/CliExitCodes.h"

#include <algorithm>
#include <array>

namespace
{
// Most serious first.
constexpr std::array<int, 7> kSeverityOrder = {kCliExitUsage,  kCliExitCsvFailed, kCliExitError,
                                               kCliExitNotRun, kCliExitFail,      kCliExitUnknown,
                                               kCliExitPass};

std::size_t GetSeverityRank(int nCode)
{
    const auto it = std::find(kSeverityOrder.begin(), kSeverityOrder.end(), nCode);
    return static_cast<std::size_t>(it - kSeverityOrder.begin());
}
} // namespace

int GetResultExitCode(const SQualificationResult& result)
{
    switch (result.outcome)
    {
    case EResultOutcome::Error:
        return kCliExitError;
    case EResultOutcome::Refused:
    case EResultOutcome::Cancelled:
        return kCliExitNotRun;
    case EResultOutcome::Finished:
        break;
    }
    const auto HasVerdict = [&](EVerdict verdict)
    {
        return std::any_of(result.aRequirements.begin(), result.aRequirements.end(),
                           [&](const SRequirementResult& row) { return row.verdict == verdict; });
    };
    if (HasVerdict(EVerdict::Fail))
    {
        return kCliExitFail;
    }
    return HasVerdict(EVerdict::Unknown) ? kCliExitUnknown : kCliExitPass;
}

int CombineExitCodes(const std::vector<int>& aCodes)
{
    int nCombined = kCliExitPass;
    for (const int nCode : aCodes)
    {
        if (GetSeverityRank(nCode) < GetSeverityRank(nCombined))
        {
            nCombined = nCode;
        }
    }
    return nCombined;
}
