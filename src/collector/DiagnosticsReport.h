#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the collector found on this machine, in the terms of the diagnostics report it writes.
struct SSystemInformation
{
    std::string m_strTime;
    std::string m_strMachineName;
    std::string m_strOperatingSystem;
    std::string m_strLanguage;
    std::string m_strSystemManufacturer;
    std::string m_strSystemModel;
    std::string m_strBios;
    std::string m_strProcessor;
    std::string m_strMemory;   // "<MB>MB RAM"
    std::string m_strPageFile; // "<MB>MB used, <MB>MB available"
};

struct SDisplayDevice
{
    std::string m_strCardName;
    std::string m_strManufacturer;
    std::string m_strChipType;
    std::string m_strVendorId; // "0x8086", empty without a PCI id
    std::string m_strDeviceId;
    std::string m_strDriverName;
    std::string m_strFeatureLevels; // "12_1,12_0,...", highest first; empty when none is known
    std::string m_strDriverVersion; // the Vulkan driver's own version text ("Mesa 22.3.6")
    std::string m_strNotes;         // what is missing for the levels, and the package to install
};

struct SSoundDevice
{
    std::string m_strDescription;
    std::string m_strDriverName;
};

struct SLogicalDisk
{
    std::string m_strDriveLetter; // the mount point path
    std::uint64_t m_llFreeSpace = 0;
    std::uint64_t m_llMaxSpace = 0;
    std::string m_strFileSystem;
};

struct SDiagnosticsReport
{
    SSystemInformation m_systemInformation;
    std::vector<SDisplayDevice> m_aDisplayDevices;
    std::vector<SSoundDevice> m_aSoundDevices;
    std::vector<SLogicalDisk> m_aLogicalDisks;
};
