#include "collector/VulkanDrivers.h"

#include <array>
#include <optional>
#include <string_view>

namespace
{
struct SDriverManifests
{
    std::string_view strKernelDriver;
    std::string_view strManifests; // empty: the hardware has no Vulkan driver
};

constexpr std::array<SDriverManifests, 17> kDriverManifests = {{
    {"i915", "*intel_icd*,*intel_hasvk_icd*"},
    {"xe", "*intel_icd*"},
    {"amdgpu", "*radeon_icd*,*amd*_icd*"},
    {"radeon", "*radeon_icd*"},
    {"nouveau", "*nouveau_icd*,*nvidia_icd*"},
    {"nvidia", "*nvidia_icd*"},
    {"msm", "*freedreno_icd*"},
    {"panfrost", "*panfrost_icd*"},
    {"panthor", "*panfrost_icd*"},
    {"v3d", "*broadcom_icd*"},
    {"vc4", "*broadcom_icd*"},
    {"asahi", "*asahi_icd*"},
    {"ast", ""},
    {"mgag200", ""},
    {"udl", ""},
    {"gud", ""},
    {"hibmc-drm", ""},
}};

std::optional<std::string_view> FindManifests(const std::string& strKernelDriver)
{
    for (const SDriverManifests& entry : kDriverManifests)
    {
        if (entry.strKernelDriver == strKernelDriver)
        {
            return entry.strManifests;
        }
    }
    return std::nullopt;
}
} // namespace

SVulkanDriverChoice ChooseVulkanDrivers(const std::vector<SDrmAdapter>& aAdapters)
{
    SVulkanDriverChoice choice;
    for (const SDrmAdapter& adapter : aAdapters)
    {
        if (ClassifyAdapter(adapter) != EAdapterKind::Hardware)
        {
            continue;
        }
        const std::optional<std::string_view> strManifests = FindManifests(adapter.m_strDriver);
        if (!strManifests)
        {
            return {true, ""};
        }
        if (strManifests->empty() || choice.m_strFilter.find(*strManifests) != std::string::npos)
        {
            continue;
        }
        if (!choice.m_strFilter.empty())
        {
            choice.m_strFilter += ',';
        }
        choice.m_strFilter.append(*strManifests);
    }
    choice.m_bProbe = !choice.m_strFilter.empty();
    return choice;
}
