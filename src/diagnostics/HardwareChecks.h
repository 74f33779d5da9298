#pragma once

#include "diagnostics/IXmlDocument.h"
#include "run/TestResults.h"

#include <array>
#include <string>

// Display adapters that show the machine is virtual or reached through a remote display.
inline constexpr std::array<const wchar_t*, 5> g_aVirtualAdapterNames = {
    L"Microsoft Remote Display Adapter", L"Microsoft Basic Display Adapter",
    L"Microsoft Basic Display Driver",   L"VMware SVGA 3D",
    L"Microsoft Hyper-V Video",
};

// Whole name, exact, case-sensitive.
bool IsVirtualAdapterName(const std::wstring& strCardName);

// Fills the display, sound, disk and memory values from the report; true when a virtual adapter
// is listed. strDriveRoot is the root of the drive that holds the report ("C:\" on Windows).
bool EvaluateHardwareReport(const IXmlDocument& document, TestResults& results,
                            const std::wstring& strDriveRoot);

// Raises the feature level to the highest level of the real adapters; true when a virtual adapter
// was seen (its levels are ignored).
bool ReadDisplayDevices(const IXmlDocument& document, TestResults& results);
void ReadSoundDevices(const IXmlDocument& document, TestResults& results);
// The free space of the first disk whose drive letter plus one backslash equals the root.
void ReadSystemDriveFreeSpace(const IXmlDocument& document, const std::wstring& strDriveRoot,
                              TestResults& results);
// Every SystemInformation element overwrites the memory; the last one wins.
void ReadSystemMemory(const IXmlDocument& document, TestResults& results);

// Raises fLevel to the highest of the levels written major_minor and separated by commas.
void ParseFeatureLevels(std::wstring strText, float& fLevel);
