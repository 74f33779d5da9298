#include "clock/TimeServerUrl.h"
#include "diagnostics/DiagnosticsCapture.h"
#include "run/OsVersionOverride.h"
#include "ui/OverrideCheck.h"

std::optional<std::string> FindInvalidOverride()
{
    if (IsOsVersionOverrideInvalid())
    {
        return std::string(kOsVersionVariable) +
               " must be major.minor.servicepack, for example 6.1.1";
    }
    if (IsTimeServerUrlOverrideInvalid())
    {
        return std::string(kTimeServerUrlVariable) +
               " must be https://host[:port]/, for example https://127.0.0.1:8443/";
    }
    if (IsCollectorTimeoutOverrideInvalid())
    {
        return std::string(kCollectorTimeoutVariable) +
               " must be a whole number of seconds from 1 to " +
               std::to_string(kLongestCollectorTimeout.count()) + ", for example 300";
    }
    return std::nullopt;
}
