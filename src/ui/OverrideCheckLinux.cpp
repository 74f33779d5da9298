#include "run/OsVersionOverride.h"
#include "ui/OverrideCheck.h"

std::optional<std::string> FindInvalidPlatformOverride()
{
    if (IsOsVersionOverrideInvalid())
    {
        return std::string(kOsVersionVariable) +
               " must be major.minor.servicepack, for example 6.1.1";
    }
    return std::nullopt;
}

std::string_view GetExampleTimeServerUrl()
{
    return "https://127.0.0.1:8443/";
}
