// The version test through VerifyVersionInfoW, against the version the kernel itself reports.
// The test program carries the same manifest as rigvet-cli.exe, so Windows 10 is seen as such.
#include "run/OsVersion.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace
{
using FRtlGetVersion = LONG(WINAPI*)(OSVERSIONINFOEXW*);

SOsVersion GetKernelVersion()
{
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    const auto pfnGetVersion = reinterpret_cast<FRtlGetVersion>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    if (pfnGetVersion == nullptr || pfnGetVersion(&info) != 0)
    {
        ADD_FAILURE() << "RtlGetVersion";
    }
    return SOsVersion{static_cast<std::uint16_t>(info.dwMajorVersion),
                      static_cast<std::uint16_t>(info.dwMinorVersion), info.wServicePackMajor};
}

TEST(OsVersionWin32, AgreesWithTheKernelAtEveryThreshold)
{
    const SOsVersion kernel = GetKernelVersion();
    SCOPED_TRACE(std::to_string(kernel.nMajor) + "." + std::to_string(kernel.nMinor) + " SP" +
                 std::to_string(kernel.nServicePackMajor));
    for (const SOsVersion& threshold :
         {SOsVersion{6, 1, 0}, SOsVersion{6, 1, 1}, SOsVersion{6, 2, 0}, SOsVersion{10, 0, 0},
          SOsVersion{6, 1, 2}, SOsVersion{11, 0, 0}})
    {
        EXPECT_EQ(
            IsOsVersionOrGreater(threshold.nMajor, threshold.nMinor, threshold.nServicePackMajor),
            IsOsVersionAtLeast(kernel, threshold.nMajor, threshold.nMinor,
                               threshold.nServicePackMajor))
            << threshold.nMajor << "." << threshold.nMinor << " SP" << threshold.nServicePackMajor;
    }
    EXPECT_TRUE(IsOsVersionOrGreater(6, 1, 1)); // every supported system, Wine's too
}

} // namespace
