#include "ui/OverrideCheck.h"

// Windows answers the version test itself; only the time site and the collector's time limit can
// be overridden here.
std::optional<std::string> FindInvalidPlatformOverride()
{
    return std::nullopt;
}

std::string_view GetExampleTimeServerUrl()
{
    return "https://localhost:8443/";
}
