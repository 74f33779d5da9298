#include "diagnostics/DiagnosticsCapture.h"

#include "diagnostics/WorkFolder.h"
#include "support/CZelSimpleException.h"
#include "support/LoadResourceString.h"
#include "support/StringIds.h"

namespace
{
constexpr int kStatusOfMinusOne = 255;
}

std::vector<std::wstring> BuildCollectorArguments(const std::wstring& strReportPath)
{
    return {L"/whql:off", L"/x", strReportPath};
}

std::int32_t GetCaptureExitCode(const SChildOutcome& outcome)
{
    if (!outcome.bStarted || outcome.bEndedBySignal || outcome.nExitStatus == kCaptureFailed ||
        (outcome.bStatusIs8Bit && outcome.nExitStatus == kStatusOfMinusOne))
    {
        return kCaptureFailed;
    }
    return outcome.nExitStatus;
}

void CaptureDiagnosticsReport()
{
    const SChildOutcome outcome =
        RunCollector(FindCollectorProgram(), BuildCollectorArguments(GetShortReportPath()),
                     GetShortWorkFolder());
    if (GetCaptureExitCode(outcome) == kCaptureFailed)
    {
        throw CZelSimpleException(IDS_DXDIAG_FAILED,
                                  LoadResourceString(IDS_DXDIAG_FAILED, kCaptureFailed));
    }
}
