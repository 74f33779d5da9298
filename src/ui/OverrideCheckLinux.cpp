#include "clock/TimeServerUrl.h"
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
    return std::nullopt;
}
