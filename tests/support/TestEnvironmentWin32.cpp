#include "support/TestEnvironment.h"

#include <cstdlib>

std::optional<std::string> GetTestVariable(const std::string& strName)
{
    const char* pszValue = std::getenv(strName.c_str());
    return pszValue != nullptr ? std::optional<std::string>(pszValue) : std::nullopt;
}

// The runtime library's copy and the process's environment change together, so child processes
// see the change too. An empty value removes the variable.
void SetTestVariable(const std::string& strName, const std::optional<std::string>& strValue)
{
    _putenv_s(strName.c_str(), strValue ? strValue->c_str() : "");
}
