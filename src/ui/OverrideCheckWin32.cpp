#include "clock/TimeServerUrl.h"
#include "diagnostics/DiagnosticsCapture.h"
#include "ui/OverrideCheck.h"

// Windows answers the version test itself; only the time site and the collector's time limit can
// be overridden here.
std::optional<std::string> FindInvalidOverride()
{
    if (IsTimeServerUrlOverrideInvalid())
    {
        return std::string(kTimeServerUrlVariable) +
               " must be https://host[:port]/, for example https://localhost:8443/";
    }
    if (IsCollectorTimeoutOverrideInvalid())
    {
        return std::string(kCollectorTimeoutVariable) +
               " must be a whole number of seconds from 1 to " +
               std::to_string(kLongestCollectorTimeout.count()) + ", for example 300";
    }
    return std::nullopt;
}
