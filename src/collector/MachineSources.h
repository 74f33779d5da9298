#pragma once

#include "collector/DiagnosticsReport.h"
#include "collector/DisplayAdapters.h"
#include "collector/FeatureLevels.h"

#include <string>
#include <vector>

// What the platform adapters read from the running machine.
SSystemInformation CollectSystemInformation();
std::vector<SDrmAdapter> CollectDrmAdapters();
// strDriverFilter: the Vulkan drivers to load (ChooseVulkanDrivers); empty loads all of them.
// bLoaderFound tells whether the Vulkan loader could be opened at all.
std::vector<SVulkanCapabilities> ProbeVulkanDevices(const std::string& strDriverFilter,
                                                    bool& bLoaderFound);
std::vector<SSoundDevice> CollectSoundDevices();
std::vector<SLogicalDisk> CollectLogicalDisks();

// The text of the PCI id database; empty when it is not installed.
std::string ReadPciIdDatabase();

// The whole report of this machine.
SDiagnosticsReport CollectDiagnosticsReport();
