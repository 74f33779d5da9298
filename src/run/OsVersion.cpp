#include "run/OsVersion.h"

#include <charconv>
#include <tuple>

bool IsOsVersionAtLeast(const SOsVersion& running, std::uint16_t nMajor, std::uint16_t nMinor,
                        std::uint16_t nServicePackMajor)
{
    return std::tie(running.nMajor, running.nMinor, running.nServicePackMajor) >=
           std::tie(nMajor, nMinor, nServicePackMajor);
}

namespace
{
bool ParseField(std::string_view& strText, std::uint16_t& nValue, bool bLast)
{
    const std::size_t nEnd = bLast ? strText.size() : strText.find('.');
    if (nEnd == std::string_view::npos || nEnd == 0)
    {
        return false;
    }
    const std::string_view strField = strText.substr(0, nEnd);
    const auto [pEnd, error] =
        std::from_chars(strField.data(), strField.data() + strField.size(), nValue);
    if (error != std::errc() || pEnd != strField.data() + strField.size())
    {
        return false;
    }
    strText.remove_prefix(bLast ? nEnd : nEnd + 1);
    return true;
}
} // namespace

std::optional<SOsVersion> ParseOsVersion(std::string_view strText)
{
    SOsVersion version;
    if (!ParseField(strText, version.nMajor, false) ||
        !ParseField(strText, version.nMinor, false) ||
        !ParseField(strText, version.nServicePackMajor, true))
    {
        return std::nullopt;
    }
    return version;
}
