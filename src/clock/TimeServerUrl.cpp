#include "clock/TimeServerUrl.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>

namespace
{
constexpr std::string_view kScheme = "https://";

bool IsHostNameChar(char ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') ||
           ch == '-' || ch == '.';
}

bool IsIpv6Char(char ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F') ||
           ch == ':' || ch == '.';
}

// Consumes the host; false when there is none or it holds a character no host may hold.
bool ConsumeHost(std::string_view& strRest)
{
    if (!strRest.empty() && strRest.front() == '[')
    {
        const std::size_t nClose = strRest.find(']');
        if (nClose == std::string_view::npos || nClose < 3 ||
            !std::all_of(strRest.begin() + 1, strRest.begin() + nClose, IsIpv6Char))
        {
            return false;
        }
        strRest.remove_prefix(nClose + 1);
        return true;
    }
    const std::size_t nEnd = strRest.find_first_of(":/");
    const std::string_view strHost = strRest.substr(0, nEnd);
    if (strHost.empty() || strHost.front() == '.' || strHost.front() == '-' ||
        !std::all_of(strHost.begin(), strHost.end(), IsHostNameChar))
    {
        return false;
    }
    strRest.remove_prefix(strHost.size());
    return true;
}

bool ConsumePort(std::string_view& strRest)
{
    if (strRest.empty() || strRest.front() != ':')
    {
        return true;
    }
    strRest.remove_prefix(1);
    const std::string_view strPort = strRest.substr(0, strRest.find('/'));
    std::uint16_t nPort = 0;
    const auto [pEnd, error] =
        std::from_chars(strPort.data(), strPort.data() + strPort.size(), nPort);
    if (strPort.empty() || error != std::errc() || pEnd != strPort.data() + strPort.size() ||
        nPort == 0)
    {
        return false;
    }
    strRest.remove_prefix(strPort.size());
    return true;
}
} // namespace

bool IsValidTimeServerUrl(std::string_view strUrl)
{
    if (strUrl.substr(0, kScheme.size()) != kScheme)
    {
        return false;
    }
    std::string_view strRest = strUrl.substr(kScheme.size());
    return ConsumeHost(strRest) && ConsumePort(strRest) && (strRest.empty() || strRest == "/");
}

std::optional<std::string> GetTimeServerUrl()
{
    const char* pszOverride = std::getenv(kTimeServerUrlVariable);
    if (pszOverride == nullptr)
    {
        return std::string(kDefaultTimeServerUrl);
    }
    if (!IsValidTimeServerUrl(pszOverride))
    {
        return std::nullopt;
    }
    return std::string(pszOverride);
}

bool IsTimeServerUrlOverrideInvalid()
{
    return !GetTimeServerUrl();
}
