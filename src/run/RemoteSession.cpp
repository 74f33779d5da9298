#include "run/RemoteSession.h"

#include <array>

bool IsRemoteLoginEnvironment(const FEnvironmentLookup& lookup)
{
    // sshd sets the first three for every login it starts; xrdp's session manager sets the last.
    constexpr std::array<const char*, 4> aMarkers = {"SSH_CONNECTION", "SSH_CLIENT", "SSH_TTY",
                                                     "XRDP_SESSION"};
    for (const char* pszName : aMarkers)
    {
        const char* pszValue = lookup(pszName);
        if (pszValue != nullptr && *pszValue != '\0')
        {
            return true;
        }
    }
    return false;
}
