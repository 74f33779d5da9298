#include "support/TestEnvironment.h"

#include <cstdlib>

std::optional<std::string> GetTestVariable(const std::string& strName)
{
    const char* pszValue = std::getenv(strName.c_str());
    return pszValue != nullptr ? std::optional<std::string>(pszValue) : std::nullopt;
}

void SetTestVariable(const std::string& strName, const std::optional<std::string>& strValue)
{
    if (strValue)
    {
        setenv(strName.c_str(), strValue->c_str(), 1);
    }
    else
    {
        unsetenv(strName.c_str());
    }
}
