#include "run/OsVersion.h"
#include "run/OsVersionOverride.h"

#include <cstdlib>

std::optional<SOsVersion> GetOsVersionOverride()
{
    const char* pszOverride = std::getenv(kOsVersionVariable);
    if (pszOverride == nullptr)
    {
        return std::nullopt;
    }
    return ParseOsVersion(pszOverride);
}

bool IsOsVersionOverrideInvalid()
{
    return std::getenv(kOsVersionVariable) != nullptr && !GetOsVersionOverride();
}

bool IsOsVersionOrGreater(std::uint16_t nMajor, std::uint16_t nMinor,
                          std::uint16_t nServicePackMajor)
{
    return IsOsVersionAtLeast(GetOsVersionOverride().value_or(kDefaultLinuxOsVersion), nMajor,
                              nMinor, nServicePackMajor);
}

ESystemFamily GetRunningSystemFamily()
{
    return ESystemFamily::Linux;
}
