#include "run/OsVersion.h"

#include <windows.h>

bool IsOsVersionOrGreater(std::uint16_t nMajor, std::uint16_t nMinor,
                          std::uint16_t nServicePackMajor)
{
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    info.dwMajorVersion = nMajor;
    info.dwMinorVersion = nMinor;
    info.wServicePackMajor = nServicePackMajor;
    ULONGLONG nConditions = 0;
    nConditions = VerSetConditionMask(nConditions, VER_MAJORVERSION, VER_GREATER_EQUAL);
    nConditions = VerSetConditionMask(nConditions, VER_MINORVERSION, VER_GREATER_EQUAL);
    nConditions = VerSetConditionMask(nConditions, VER_SERVICEPACKMAJOR, VER_GREATER_EQUAL);
    return VerifyVersionInfoW(&info, VER_MAJORVERSION | VER_MINORVERSION | VER_SERVICEPACKMAJOR,
                              nConditions) != FALSE;
}

ESystemFamily GetRunningSystemFamily()
{
    return ESystemFamily::Windows;
}
