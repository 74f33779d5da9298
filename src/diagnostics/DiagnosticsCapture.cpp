#include "diagnostics/DiagnosticsCapture.h"

#include "support/CZelSimpleException.h"
#include "support/LoadResourceString.h"
#include "support/StringIds.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace
{
constexpr int kStatusOfMinusOne = 255;

bool IsDecimalDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}
} // namespace

std::optional<std::chrono::seconds> ParseCollectorTimeout(std::string_view strText)
{
    // Only digits: no sign, blank or fraction that a looser conversion would pass over.
    if (strText.empty() || !std::all_of(strText.begin(), strText.end(), IsDecimalDigit))
    {
        return std::nullopt;
    }
    std::uint32_t nSeconds = 0;
    const auto [pEnd, error] =
        std::from_chars(strText.data(), strText.data() + strText.size(), nSeconds);
    if (error != std::errc() || nSeconds == 0 ||
        nSeconds > static_cast<std::uint32_t>(kLongestCollectorTimeout.count()))
    {
        return std::nullopt;
    }
    return std::chrono::seconds(nSeconds);
}

std::optional<std::chrono::seconds> GetCollectorTimeout()
{
    const char* pszOverride = std::getenv(kCollectorTimeoutVariable);
    if (pszOverride == nullptr)
    {
        return kDefaultCollectorTimeout;
    }
    return ParseCollectorTimeout(pszOverride);
}

bool IsCollectorTimeoutOverrideInvalid()
{
    return !GetCollectorTimeout();
}

std::vector<std::wstring> BuildCollectorArguments(const std::wstring& strReportPath)
{
    return {L"/whql:off", L"/x", strReportPath};
}

std::int32_t GetCaptureExitCode(const SChildOutcome& outcome)
{
    if (!outcome.bStarted || outcome.bEndedBySignal || outcome.bTimedOut ||
        outcome.nExitStatus == kCaptureFailed ||
        (outcome.bStatusIs8Bit && outcome.nExitStatus == kStatusOfMinusOne))
    {
        return kCaptureFailed;
    }
    return outcome.nExitStatus;
}

void CaptureDiagnosticsReport(const IWorkFolder& folder)
{
    // Front ends refuse an invalid bound at their start; one that does not gets no collector.
    const std::optional<std::chrono::seconds> timeout = GetCollectorTimeout();
    const SCollectorPlace place = folder.GetCollectorPlace();
    const SChildOutcome outcome =
        timeout ? RunCollector(FindCollectorProgram(), BuildCollectorArguments(place.strReport),
                               place, *timeout)
                : SChildOutcome{};
    if (GetCaptureExitCode(outcome) == kCaptureFailed)
    {
        throw CZelSimpleException(IDS_DXDIAG_FAILED,
                                  LoadResourceString(IDS_DXDIAG_FAILED, kCaptureFailed));
    }
}
