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

// The reports under tests/fixtures/hostile: odd, malformed and hostile forms of one report that
// lists one adapter (feature levels 12_1,12_0), one sound device, 16384 MB and a disk C: with
// 51,234 MB free. Each case says whether a report reader must refuse it (-998), and otherwise
// whether its adapter reads as a virtual one and what memory it states. The Windows build's
// reader is the reference: every expectation is what it does.
enum class EHostileOutcome
{
    Refused,
    RealAdapter,
    VirtualAdapter,
};

struct SHostileReportCase
{
    const char* pszFixture;
    EHostileOutcome outcome;
    std::uint32_t nMemoryMB = 16384;
    // Where Wine's MSXML, which the Windows tests run on, is known to differ from Windows' own;
    // the Windows tests skip the case (see doc/cli.md, "How a report is read").
    bool bWineDiffers = false;
};

const std::vector<SHostileReportCase>& GetHostileReportCases();
