#include "run/RemoteSession.h"

#include <cstdlib>

bool IsRemoteSession()
{
    return IsRemoteLoginEnvironment([](const char* pszName) { return std::getenv(pszName); });
}
