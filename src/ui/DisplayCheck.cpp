#include "ui/DisplayCheck.h"

#include <string_view>

namespace
{
bool IsSet(const char* pszValue)
{
    return pszValue != nullptr && *pszValue != '\0';
}
} // namespace

bool IsDisplayAvailable(const SDisplayEnvironment& environment)
{
    if (IsSet(environment.pszDisplay) || IsSet(environment.pszWaylandDisplay))
    {
        return true;
    }
    // The platform may carry options after a colon, as in "offscreen:fontengine=freetype".
    const std::string_view strPlatform =
        IsSet(environment.pszQtPlatform) ? environment.pszQtPlatform : "";
    const std::string_view strName = strPlatform.substr(0, strPlatform.find(':'));
    return strName == "offscreen" || strName == "minimal";
}
