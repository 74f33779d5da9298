#pragma once

#include "collector/DiagnosticsReport.h"
#include "collector/FeatureLevels.h"
#include "collector/PciIds.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A display adapter as the kernel's DRM subsystem lists it (/sys/class/drm/cardN).
struct SDrmAdapter
{
    std::string m_strCard;                    // "card0"
    std::optional<std::uint16_t> m_nVendorId; // PCI ids; absent for a device off the PCI bus
    std::optional<std::uint16_t> m_nDeviceId;
    std::string m_strDriver; // kernel driver: "i915", "amdgpu", "simpledrm", ...
};

enum class EAdapterKind
{
    Hardware,
    VMwareSvga,
    HyperV,
    OtherVirtual, // other virtual machine displays, firmware framebuffers, software renderers
};

// True for "card0", "card12"; false for connectors ("card0-HDMI-A-1") and render nodes.
bool IsDrmCardName(std::string_view strName);

// A sysfs id file such as "0x8086\n".
std::optional<std::uint16_t> ParseSysfsHexId(std::string_view strText);

EAdapterKind ClassifyAdapter(const SDrmAdapter& adapter);

using PciNameLookup = std::function<SPciNames(std::uint16_t nVendorId, std::uint16_t nDeviceId)>;

// One display device per DRM adapter, with the feature levels of the Vulkan device of the same
// PCI ids. Vulkan devices that no adapter matches are listed as adapters of their own, except
// software rasterisers, which every machine with the drivers installed has and which are no
// display adapter (the diagnostic tool does not list its software renderer either). A machine
// without any display adapter renders in software only and gets one basic display adapter.
std::vector<SDisplayDevice> BuildDisplayDevices(const std::vector<SDrmAdapter>& aAdapters,
                                                const std::vector<SVulkanCapabilities>& aVulkan,
                                                const PciNameLookup& lookUpPciNames);

// Notes on the display hardware (PCI adapters with a name of their own) that got no feature
// levels: the Vulkan loader is missing, or no Vulkan driver answered for it; each names the
// Debian package that brings what is missing.
void AddVulkanNotes(std::vector<SDisplayDevice>& aDevices, bool bLoaderFound);
