#include "collector/DisplayAdapters.h"

#include "collector/CollectorText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

namespace
{
constexpr const char* kBasicDisplayAdapter = "Microsoft Basic Display Adapter";
constexpr const char* kVMwareSvga = "VMware SVGA 3D";
constexpr const char* kHyperVVideo = "Microsoft Hyper-V Video";

struct SVirtualPciId
{
    std::uint16_t nVendorId;
    std::uint16_t nDeviceId;
    EAdapterKind eKind;
};

constexpr std::array<SVirtualPciId, 9> kVirtualPciIds = {{
    {0x15ad, 0x0405, EAdapterKind::VMwareSvga},   // VMware SVGA II
    {0x15ad, 0x0406, EAdapterKind::VMwareSvga},   // VMware SVGA 3
    {0x1414, 0x5353, EAdapterKind::HyperV},       // Hyper-V synthetic video
    {0x1af4, 0x1050, EAdapterKind::OtherVirtual}, // virtio-gpu
    {0x1b36, 0x0100, EAdapterKind::OtherVirtual}, // QXL
    {0x1234, 0x1111, EAdapterKind::OtherVirtual}, // QEMU standard VGA (bochs)
    {0x1013, 0x00b8, EAdapterKind::OtherVirtual}, // Cirrus as emulated by QEMU
    {0x80ee, 0xbeef, EAdapterKind::OtherVirtual}, // VirtualBox graphics
    {0x80ee, 0xcafe, EAdapterKind::OtherVirtual}, // VirtualBox guest device
}};

struct SVirtualDriver
{
    std::string_view strDriver;
    EAdapterKind eKind;
};

constexpr std::array<SVirtualDriver, 13> kVirtualDrivers = {{
    {"vmwgfx", EAdapterKind::VMwareSvga},
    {"hyperv_drm", EAdapterKind::HyperV},
    {"hyperv_fb", EAdapterKind::HyperV},
    {"virtio_gpu", EAdapterKind::OtherVirtual},
    {"virtio-gpu", EAdapterKind::OtherVirtual},
    {"qxl", EAdapterKind::OtherVirtual},
    {"bochs-drm", EAdapterKind::OtherVirtual},
    {"bochs", EAdapterKind::OtherVirtual},
    {"cirrus", EAdapterKind::OtherVirtual},
    {"cirrus-qemu", EAdapterKind::OtherVirtual},
    {"vboxvideo", EAdapterKind::OtherVirtual},
    {"vkms", EAdapterKind::OtherVirtual},
    {"xen_drm_front", EAdapterKind::OtherVirtual},
}};

// The framebuffer that the firmware set up, driven without any knowledge of the hardware.
constexpr std::array<std::string_view, 7> kFirmwareFramebufferDrivers = {
    "simpledrm", "efidrm", "vesadrm", "ofdrm", "simplefb", "efifb", "vesafb",
};

bool IsFirmwareFramebuffer(const SDrmAdapter& adapter)
{
    return std::find(kFirmwareFramebufferDrivers.begin(), kFirmwareFramebufferDrivers.end(),
                     adapter.m_strDriver) != kFirmwareFramebufferDrivers.end();
}

// Display hardware of a system on a chip has no PCI ids, nor has a firmware framebuffer.
bool HasPciIds(const SDrmAdapter& adapter)
{
    return adapter.m_nVendorId && adapter.m_nDeviceId;
}

std::string FormatHexId(std::uint32_t nId)
{
    char aBuffer[16];
    std::snprintf(aBuffer, sizeof aBuffer, "0x%04x", nId);
    return aBuffer;
}

const char* GetVirtualCardName(EAdapterKind eKind)
{
    switch (eKind)
    {
    case EAdapterKind::VMwareSvga:
        return kVMwareSvga;
    case EAdapterKind::HyperV:
        return kHyperVVideo;
    default:
        return kBasicDisplayAdapter;
    }
}

// Software rasterisers (lavapipe, reported as llvmpipe) are no display hardware.
bool IsSoftwareRasteriser(const SVulkanCapabilities& device)
{
    return device.m_eType == EVulkanDeviceType::Cpu ||
           device.m_strName.find("llvmpipe") != std::string::npos;
}

const SVulkanCapabilities* FindVulkanDevice(const std::vector<SVulkanCapabilities>& aVulkan,
                                            std::uint32_t nVendorId, std::uint32_t nDeviceId)
{
    for (const SVulkanCapabilities& device : aVulkan)
    {
        if (!IsSoftwareRasteriser(device) && device.m_nVendorId == nVendorId &&
            device.m_nDeviceId == nDeviceId)
        {
            return &device;
        }
    }
    return nullptr;
}

SDisplayDevice DescribeDrmAdapter(const SDrmAdapter& adapter,
                                  const std::vector<SVulkanCapabilities>& aVulkan,
                                  const PciNameLookup& lookUpPciNames)
{
    SDisplayDevice device;
    device.m_strDriverName = adapter.m_strDriver;
    const EAdapterKind eKind = ClassifyAdapter(adapter);
    if (IsFirmwareFramebuffer(adapter))
    {
        device.m_strManufacturer = "Firmware";
        device.m_strChipType = "Firmware framebuffer (" + adapter.m_strDriver + ")";
    }
    else if (!HasPciIds(adapter))
    {
        device.m_strManufacturer = "Unknown";
        device.m_strChipType = "Display device of driver " + adapter.m_strDriver + " (no PCI id)";
    }
    else
    {
        const SPciNames names = lookUpPciNames(*adapter.m_nVendorId, *adapter.m_nDeviceId);
        device.m_strVendorId = FormatHexId(*adapter.m_nVendorId);
        device.m_strDeviceId = FormatHexId(*adapter.m_nDeviceId);
        device.m_strManufacturer =
            names.m_strVendor.empty() ? device.m_strVendorId : names.m_strVendor;
        device.m_strChipType = names.m_strDevice.empty() ? "PCI device " + device.m_strVendorId +
                                                               ":" + device.m_strDeviceId
                                                         : names.m_strDevice;
        const SVulkanCapabilities* pVulkan =
            FindVulkanDevice(aVulkan, *adapter.m_nVendorId, *adapter.m_nDeviceId);
        if (pVulkan != nullptr)
        {
            device.m_strFeatureLevels = FormatFeatureLevels(GetFeatureLevels(*pVulkan));
            device.m_strDriverVersion = pVulkan->m_strDriverInfo;
        }
    }
    device.m_strCardName =
        eKind == EAdapterKind::Hardware ? device.m_strChipType : GetVirtualCardName(eKind);
    return device;
}

bool MatchesAnyAdapter(const SVulkanCapabilities& vulkan, const std::vector<SDrmAdapter>& aAdapters)
{
    return std::any_of(aAdapters.begin(), aAdapters.end(),
                       [&](const SDrmAdapter& adapter) {
                           return adapter.m_nVendorId == vulkan.m_nVendorId &&
                                  adapter.m_nDeviceId == vulkan.m_nDeviceId;
                       });
}

SDisplayDevice DescribeVulkanDevice(const SVulkanCapabilities& vulkan,
                                    const PciNameLookup& lookUpPciNames)
{
    SDisplayDevice device;
    device.m_strChipType = vulkan.m_strName;
    device.m_strVendorId = FormatHexId(vulkan.m_nVendorId);
    device.m_strDeviceId = FormatHexId(vulkan.m_nDeviceId);
    const bool bPciIds = vulkan.m_nVendorId <= 0xffff && vulkan.m_nDeviceId <= 0xffff;
    const SPciNames names = bPciIds ? lookUpPciNames(static_cast<std::uint16_t>(vulkan.m_nVendorId),
                                                     static_cast<std::uint16_t>(vulkan.m_nDeviceId))
                                    : SPciNames{};
    device.m_strManufacturer = names.m_strVendor.empty() ? device.m_strVendorId : names.m_strVendor;
    device.m_strDriverName = "Vulkan";
    device.m_strDriverVersion = vulkan.m_strDriverInfo;
    device.m_strFeatureLevels = FormatFeatureLevels(GetFeatureLevels(vulkan));
    device.m_strCardName =
        vulkan.m_eType == EVulkanDeviceType::VirtualGpu ? kBasicDisplayAdapter : vulkan.m_strName;
    return device;
}

SDisplayDevice DescribeSoftwareRendering()
{
    SDisplayDevice device;
    device.m_strCardName = kBasicDisplayAdapter;
    device.m_strManufacturer = "None";
    device.m_strChipType = "No display adapter found; rendering in software only";
    return device;
}
} // namespace

bool IsDrmCardName(std::string_view strName)
{
    if (!strName.starts_with("card") || strName.size() == 4)
    {
        return false;
    }
    return std::all_of(strName.begin() + 4, strName.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<std::uint16_t> ParseSysfsHexId(std::string_view strText)
{
    strText = TrimText(strText);
    if (!strText.starts_with("0x") && !strText.starts_with("0X"))
    {
        return std::nullopt;
    }
    strText.remove_prefix(2);
    std::uint16_t nId = 0;
    const char* pEnd = strText.data() + strText.size();
    const auto [pStop, error] = std::from_chars(strText.data(), pEnd, nId, 16);
    if (error != std::errc() || pStop != pEnd || strText.empty())
    {
        return std::nullopt;
    }
    return nId;
}

EAdapterKind ClassifyAdapter(const SDrmAdapter& adapter)
{
    for (const SVirtualDriver& entry : kVirtualDrivers)
    {
        if (adapter.m_strDriver == entry.strDriver)
        {
            return entry.eKind;
        }
    }
    if (IsFirmwareFramebuffer(adapter))
    {
        return EAdapterKind::OtherVirtual;
    }
    for (const SVirtualPciId& entry : kVirtualPciIds)
    {
        if (HasPciIds(adapter) && *adapter.m_nVendorId == entry.nVendorId &&
            *adapter.m_nDeviceId == entry.nDeviceId)
        {
            return entry.eKind;
        }
    }
    return EAdapterKind::Hardware;
}

std::vector<SDisplayDevice> BuildDisplayDevices(const std::vector<SDrmAdapter>& aAdapters,
                                                const std::vector<SVulkanCapabilities>& aVulkan,
                                                const PciNameLookup& lookUpPciNames)
{
    std::vector<SDisplayDevice> aDevices;
    for (const SDrmAdapter& adapter : aAdapters)
    {
        aDevices.push_back(DescribeDrmAdapter(adapter, aVulkan, lookUpPciNames));
    }
    for (const SVulkanCapabilities& vulkan : aVulkan)
    {
        if (!IsSoftwareRasteriser(vulkan) && !MatchesAnyAdapter(vulkan, aAdapters))
        {
            aDevices.push_back(DescribeVulkanDevice(vulkan, lookUpPciNames));
        }
    }
    if (aDevices.empty())
    {
        aDevices.push_back(DescribeSoftwareRendering());
    }
    return aDevices;
}

void AddVulkanNotes(std::vector<SDisplayDevice>& aDevices, bool bLoaderFound)
{
    for (SDisplayDevice& device : aDevices)
    {
        const bool bVirtualName = device.m_strCardName == kBasicDisplayAdapter ||
                                  device.m_strCardName == kVMwareSvga ||
                                  device.m_strCardName == kHyperVVideo;
        if (bVirtualName || device.m_strVendorId.empty() || !device.m_strFeatureLevels.empty())
        {
            continue;
        }
        device.m_strNotes = bLoaderFound
                                ? "no Vulkan driver answered for this adapter, so its feature "
                                  "levels are unknown: install the package mesa-vulkan-drivers "
                                  "(or the adapter maker's Vulkan driver)"
                                : "no Vulkan loader (libvulkan.so.1) was found, so the adapter's "
                                  "feature levels are unknown: install the package libvulkan1 "
                                  "and a Vulkan driver (mesa-vulkan-drivers)";
    }
}
