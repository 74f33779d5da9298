#include "collector/MachineSources.h"

SDiagnosticsReport CollectDiagnosticsReport()
{
    SDiagnosticsReport report;
    report.m_systemInformation = CollectSystemInformation();
    const std::vector<SDrmAdapter> aAdapters = CollectDrmAdapters();
    const std::vector<SVulkanCapabilities> aVulkan =
        NeedsVulkanProbe(aAdapters) ? ProbeVulkanDevices() : std::vector<SVulkanCapabilities>();
    const std::string strPciIds =
        aAdapters.empty() && aVulkan.empty() ? std::string() : ReadPciIdDatabase();
    report.m_aDisplayDevices =
        BuildDisplayDevices(aAdapters, aVulkan,
                            [&](std::uint16_t nVendorId, std::uint16_t nDeviceId)
                            { return LookUpPciNames(strPciIds, nVendorId, nDeviceId); });
    report.m_aSoundDevices = CollectSoundDevices();
    report.m_aLogicalDisks = CollectLogicalDisks();
    return report;
}
