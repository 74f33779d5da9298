#include "collector/MachineSources.h"
#include "collector/VulkanDrivers.h"

SDiagnosticsReport CollectDiagnosticsReport()
{
    SDiagnosticsReport report;
    report.m_systemInformation = CollectSystemInformation();
    const std::vector<SDrmAdapter> aAdapters = CollectDrmAdapters();
    const SVulkanDriverChoice vulkanDrivers = ChooseVulkanDrivers(aAdapters);
    bool bLoaderFound = false;
    const std::vector<SVulkanCapabilities> aVulkan =
        vulkanDrivers.m_bProbe ? ProbeVulkanDevices(vulkanDrivers.m_strFilter, bLoaderFound)
                               : std::vector<SVulkanCapabilities>();
    const std::string strPciIds =
        aAdapters.empty() && aVulkan.empty() ? std::string() : ReadPciIdDatabase();
    report.m_aDisplayDevices =
        BuildDisplayDevices(aAdapters, aVulkan,
                            [&](std::uint16_t nVendorId, std::uint16_t nDeviceId)
                            { return LookUpPciNames(strPciIds, nVendorId, nDeviceId); });
    if (vulkanDrivers.m_bProbe)
    {
        AddVulkanNotes(report.m_aDisplayDevices, bLoaderFound);
    }
    report.m_aSoundDevices = CollectSoundDevices();
    report.m_aLogicalDisks = CollectLogicalDisks();
    return report;
}
