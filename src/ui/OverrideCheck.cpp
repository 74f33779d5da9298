#include "ui/OverrideCheck.h"

#include "clock/TimeServerUrl.h"
#include "diagnostics/DiagnosticsCapture.h"

std::optional<std::string> FindInvalidOverride()
{
    if (std::optional<std::string> strFault = FindInvalidPlatformOverride())
    {
        return strFault;
    }
    if (IsTimeServerUrlOverrideInvalid())
    {
        return std::string(kTimeServerUrlVariable) + " must be https://host[:port]/, for example " +
               std::string(GetExampleTimeServerUrl());
    }
    if (IsCollectorTimeoutOverrideInvalid())
    {
        return std::string(kCollectorTimeoutVariable) +
               " must be a whole number of seconds from 1 to " +
               std::to_string(kLongestCollectorTimeout.count()) + ", for example 300";
    }
    return std::nullopt;
}
