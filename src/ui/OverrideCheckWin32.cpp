#include "clock/TimeServerUrl.h"
#include "ui/OverrideCheck.h"

// Windows answers the version test itself; only the time site can be overridden here.
std::optional<std::string> FindInvalidOverride()
{
    if (IsTimeServerUrlOverrideInvalid())
    {
        return std::string(kTimeServerUrlVariable) +
               " must be https://host[:port]/, for example https://localhost:8443/";
    }
    return std::nullopt;
}
