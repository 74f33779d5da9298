#pragma once

#include <cstdint>
#include <vector>

// What the hardware checks must read from each fixture report under tests/fixtures/reports, with
// the drive root they compare the disks with. One table for every report reader: the Linux and
// the Windows builds check their own reader against it, so the two cannot drift apart.
struct SReportCase
{
    const char* pszName;
    const char* pszFixture;
    const wchar_t* pszDriveRoot;
    float fFeatureLevel;
    bool bSoundDevice;
    std::uint32_t nMemoryMB;
    std::uint32_t nFreeDiskMB;
    bool bVirtual;
};

const std::vector<SReportCase>& GetReportCases();
