#include "run/RemoteSession.h"

#include <windows.h>

bool IsRemoteSession()
{
    return GetSystemMetrics(SM_REMOTESESSION) != 0;
}
