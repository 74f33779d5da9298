#pragma once

#include "collector/DisplayAdapters.h"

#include <string>
#include <vector>

// Which Vulkan drivers to load for the display adapters present. Loading a driver costs
// milliseconds, some bring in a whole compiler, and a driver finds nothing without its hardware;
// virtual and firmware adapters are reported as such whatever their levels.
struct SVulkanDriverChoice
{
    bool m_bProbe = false; // Vulkan is asked at all
    // Comma-separated patterns of driver manifest names (the loader's VK_LOADER_DRIVERS_SELECT);
    // empty loads every driver, which is what an adapter with an unfamiliar kernel driver needs.
    std::string m_strFilter;
};

SVulkanDriverChoice ChooseVulkanDrivers(const std::vector<SDrmAdapter>& aAdapters);
