#include "collector/MachineSources.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <vulkan/vulkan.h>

namespace
{
// The loader is opened at run time: a machine without it simply has no Vulkan devices, and the
// collector has no link dependency on it.
class CVulkanLoader
{
public:
    CVulkanLoader() : m_pLibrary(dlopen("libvulkan.so.1", RTLD_NOW | RTLD_LOCAL)) {}
    CVulkanLoader(const CVulkanLoader&) = delete;
    CVulkanLoader& operator=(const CVulkanLoader&) = delete;
    ~CVulkanLoader()
    {
        if (m_pLibrary != nullptr)
        {
            dlclose(m_pLibrary);
        }
    }
    PFN_vkGetInstanceProcAddr GetInstanceProcAddr() const
    {
        return m_pLibrary == nullptr ? nullptr
                                     : reinterpret_cast<PFN_vkGetInstanceProcAddr>(
                                           dlsym(m_pLibrary, "vkGetInstanceProcAddr"));
    }

private:
    void* m_pLibrary;
};

class CVulkanInstance
{
public:
    CVulkanInstance(PFN_vkGetInstanceProcAddr pfnGetProcAddr, std::uint32_t nApiVersion)
        : m_pfnGetProcAddr(pfnGetProcAddr)
    {
        const auto pfnCreate =
            reinterpret_cast<PFN_vkCreateInstance>(pfnGetProcAddr(nullptr, "vkCreateInstance"));
        VkApplicationInfo application{};
        application.sType = VK_STRUCTURE_TYPE_APPLICATION_INFO;
        application.pApplicationName = "rigvet-dxdiag";
        application.apiVersion = nApiVersion;
        VkInstanceCreateInfo create{};
        create.sType = VK_STRUCTURE_TYPE_INSTANCE_CREATE_INFO;
        create.pApplicationInfo = &application;
        if (pfnCreate == nullptr || pfnCreate(&create, nullptr, &m_instance) != VK_SUCCESS)
        {
            m_instance = VK_NULL_HANDLE;
        }
    }
    CVulkanInstance(const CVulkanInstance&) = delete;
    CVulkanInstance& operator=(const CVulkanInstance&) = delete;
    ~CVulkanInstance()
    {
        if (m_instance != VK_NULL_HANDLE)
        {
            GetProc<PFN_vkDestroyInstance>("vkDestroyInstance")(m_instance, nullptr);
        }
    }
    bool IsValid() const { return m_instance != VK_NULL_HANDLE; }
    VkInstance Handle() const { return m_instance; }
    template <typename TFunction> TFunction GetProc(const char* pszName) const
    {
        return reinterpret_cast<TFunction>(m_pfnGetProcAddr(m_instance, pszName));
    }

private:
    PFN_vkGetInstanceProcAddr m_pfnGetProcAddr;
    VkInstance m_instance = VK_NULL_HANDLE;
};

std::uint32_t GetInstanceApiVersion(PFN_vkGetInstanceProcAddr pfnGetProcAddr)
{
    const auto pfnVersion = reinterpret_cast<PFN_vkEnumerateInstanceVersion>(
        pfnGetProcAddr(nullptr, "vkEnumerateInstanceVersion"));
    std::uint32_t nVersion = VK_API_VERSION_1_0;
    if (pfnVersion == nullptr || pfnVersion(&nVersion) != VK_SUCCESS)
    {
        return VK_API_VERSION_1_0;
    }
    return std::min<std::uint32_t>(nVersion, VK_API_VERSION_1_3);
}

bool HasExtension(const CVulkanInstance& instance, VkPhysicalDevice device, const char* pszName)
{
    const auto pfnEnumerate = instance.GetProc<PFN_vkEnumerateDeviceExtensionProperties>(
        "vkEnumerateDeviceExtensionProperties");
    std::uint32_t nCount = 0;
    if (pfnEnumerate == nullptr || pfnEnumerate(device, nullptr, &nCount, nullptr) != VK_SUCCESS)
    {
        return false;
    }
    std::vector<VkExtensionProperties> aExtensions(nCount);
    if (pfnEnumerate(device, nullptr, &nCount, aExtensions.data()) < 0)
    {
        return false;
    }
    return std::any_of(aExtensions.begin(), aExtensions.begin() + nCount,
                       [&](const VkExtensionProperties& extension)
                       { return std::strcmp(extension.extensionName, pszName) == 0; });
}

EVulkanDeviceType ConvertDeviceType(VkPhysicalDeviceType eType)
{
    switch (eType)
    {
    case VK_PHYSICAL_DEVICE_TYPE_INTEGRATED_GPU:
        return EVulkanDeviceType::IntegratedGpu;
    case VK_PHYSICAL_DEVICE_TYPE_DISCRETE_GPU:
        return EVulkanDeviceType::DiscreteGpu;
    case VK_PHYSICAL_DEVICE_TYPE_VIRTUAL_GPU:
        return EVulkanDeviceType::VirtualGpu;
    case VK_PHYSICAL_DEVICE_TYPE_CPU:
        return EVulkanDeviceType::Cpu;
    default:
        return EVulkanDeviceType::Other;
    }
}

void CopyProperties(const VkPhysicalDeviceProperties& properties, std::uint32_t nApiVersion,
                    SVulkanCapabilities& device)
{
    const VkPhysicalDeviceLimits& limits = properties.limits;
    device.m_strName = properties.deviceName;
    device.m_eType = ConvertDeviceType(properties.deviceType);
    device.m_nVendorId = properties.vendorID;
    device.m_nDeviceId = properties.deviceID;
    device.m_nApiMajor = VK_API_VERSION_MAJOR(nApiVersion);
    device.m_nApiMinor = VK_API_VERSION_MINOR(nApiVersion);
    device.m_nMaxImageDimension2D = limits.maxImageDimension2D;
    device.m_nMaxImageArrayLayers = limits.maxImageArrayLayers;
    device.m_nMaxColorAttachments = limits.maxColorAttachments;
    device.m_nMaxVertexInputAttributes = limits.maxVertexInputAttributes;
    device.m_nMaxPerStageDescriptorSamplers = limits.maxPerStageDescriptorSamplers;
    device.m_nMaxPerStageDescriptorSampledImages = limits.maxPerStageDescriptorSampledImages;
    device.m_nMaxPerStageDescriptorUniformBuffers = limits.maxPerStageDescriptorUniformBuffers;
    device.m_nMaxPerStageDescriptorStorageBuffers = limits.maxPerStageDescriptorStorageBuffers;
    device.m_nMaxPerStageDescriptorStorageImages = limits.maxPerStageDescriptorStorageImages;
    device.m_nMaxComputeSharedMemorySize = limits.maxComputeSharedMemorySize;
    device.m_nMaxComputeWorkGroupInvocations = limits.maxComputeWorkGroupInvocations;
}

void CopyFeatures(const VkPhysicalDeviceFeatures& features, SVulkanCapabilities& device)
{
    device.m_bGeometryShader = features.geometryShader;
    device.m_bTessellationShader = features.tessellationShader;
    device.m_bImageCubeArray = features.imageCubeArray;
    device.m_bIndependentBlend = features.independentBlend;
    device.m_bSampleRateShading = features.sampleRateShading;
    device.m_bDualSrcBlend = features.dualSrcBlend;
    device.m_bDepthClamp = features.depthClamp;
    device.m_bLogicOp = features.logicOp;
    device.m_bDrawIndirectFirstInstance = features.drawIndirectFirstInstance;
    device.m_bTextureCompressionBc = features.textureCompressionBC;
    device.m_bFragmentStoresAndAtomics = features.fragmentStoresAndAtomics;
    device.m_bVertexPipelineStoresAndAtomics = features.vertexPipelineStoresAndAtomics;
    device.m_bSparseBinding = features.sparseBinding;
    device.m_bSparseResidencyBuffer = features.sparseResidencyBuffer;
    device.m_bSparseResidencyImage2D = features.sparseResidencyImage2D;
    device.m_bSparseResidencyAliased = features.sparseResidencyAliased;
}

void CopyDescriptorIndexing(const VkPhysicalDeviceVulkan12Features& features,
                            const VkPhysicalDeviceVulkan12Properties& properties,
                            SVulkanCapabilities& device)
{
    device.m_bShaderSampledImageArrayNonUniformIndexing =
        features.shaderSampledImageArrayNonUniformIndexing;
    device.m_bShaderStorageBufferArrayNonUniformIndexing =
        features.shaderStorageBufferArrayNonUniformIndexing;
    device.m_bRuntimeDescriptorArray = features.runtimeDescriptorArray;
    device.m_bDescriptorBindingPartiallyBound = features.descriptorBindingPartiallyBound;
    device.m_bDescriptorBindingVariableDescriptorCount =
        features.descriptorBindingVariableDescriptorCount;
    device.m_bDescriptorBindingSampledImageUpdateAfterBind =
        features.descriptorBindingSampledImageUpdateAfterBind;
    device.m_nMaxPerStageDescriptorUpdateAfterBindSampledImages =
        properties.maxPerStageDescriptorUpdateAfterBindSampledImages;
}

// Features and limits beyond Vulkan 1.0 come through the chained queries of Vulkan 1.1.
void ReadExtendedCapabilities(const CVulkanInstance& instance, VkPhysicalDevice physicalDevice,
                              SVulkanCapabilities& device)
{
    const auto pfnFeatures2 =
        instance.GetProc<PFN_vkGetPhysicalDeviceFeatures2>("vkGetPhysicalDeviceFeatures2");
    const auto pfnProperties2 =
        instance.GetProc<PFN_vkGetPhysicalDeviceProperties2>("vkGetPhysicalDeviceProperties2");
    if (pfnFeatures2 == nullptr || pfnProperties2 == nullptr)
    {
        return;
    }
    const bool bVulkan12 = device.m_nApiMajor > 1 || device.m_nApiMinor >= 2;
    VkPhysicalDeviceVulkan12Features features12{};
    features12.sType = VK_STRUCTURE_TYPE_PHYSICAL_DEVICE_VULKAN_1_2_FEATURES;
    VkPhysicalDeviceFragmentShaderInterlockFeaturesEXT interlock{};
    interlock.sType = VK_STRUCTURE_TYPE_PHYSICAL_DEVICE_FRAGMENT_SHADER_INTERLOCK_FEATURES_EXT;
    VkPhysicalDeviceFeatures2 features{};
    features.sType = VK_STRUCTURE_TYPE_PHYSICAL_DEVICE_FEATURES_2;
    VkPhysicalDeviceVulkan12Properties properties12{};
    properties12.sType = VK_STRUCTURE_TYPE_PHYSICAL_DEVICE_VULKAN_1_2_PROPERTIES;
    VkPhysicalDeviceConservativeRasterizationPropertiesEXT conservative{};
    conservative.sType =
        VK_STRUCTURE_TYPE_PHYSICAL_DEVICE_CONSERVATIVE_RASTERIZATION_PROPERTIES_EXT;
    VkPhysicalDeviceProperties2 properties{};
    properties.sType = VK_STRUCTURE_TYPE_PHYSICAL_DEVICE_PROPERTIES_2;

    const bool bInterlock =
        HasExtension(instance, physicalDevice, VK_EXT_FRAGMENT_SHADER_INTERLOCK_EXTENSION_NAME);
    device.m_bConservativeRasterization =
        HasExtension(instance, physicalDevice, VK_EXT_CONSERVATIVE_RASTERIZATION_EXTENSION_NAME);
    void** ppNextFeature = &features.pNext;
    void** ppNextProperty = &properties.pNext;
    if (bVulkan12)
    {
        *ppNextFeature = &features12;
        ppNextFeature = &features12.pNext;
        *ppNextProperty = &properties12;
        ppNextProperty = &properties12.pNext;
    }
    if (bInterlock)
    {
        *ppNextFeature = &interlock;
    }
    if (device.m_bConservativeRasterization)
    {
        *ppNextProperty = &conservative;
    }
    pfnFeatures2(physicalDevice, &features);
    pfnProperties2(physicalDevice, &properties);
    if (bVulkan12)
    {
        CopyDescriptorIndexing(features12, properties12, device);
        device.m_strDriverInfo = properties12.driverInfo;
    }
    device.m_bFragmentShaderPixelInterlock = bInterlock && interlock.fragmentShaderPixelInterlock;
    device.m_fPrimitiveOverestimationSize = conservative.primitiveOverestimationSize;
}

SVulkanCapabilities ReadDevice(const CVulkanInstance& instance, std::uint32_t nInstanceVersion,
                               VkPhysicalDevice physicalDevice)
{
    VkPhysicalDeviceProperties properties{};
    instance.GetProc<PFN_vkGetPhysicalDeviceProperties>("vkGetPhysicalDeviceProperties")(
        physicalDevice, &properties);
    VkPhysicalDeviceFeatures features{};
    instance.GetProc<PFN_vkGetPhysicalDeviceFeatures>("vkGetPhysicalDeviceFeatures")(physicalDevice,
                                                                                     &features);
    SVulkanCapabilities device;
    CopyProperties(properties, std::min(properties.apiVersion, nInstanceVersion), device);
    CopyFeatures(features, device);
    if (device.m_nApiMajor > 1 || device.m_nApiMinor >= 1)
    {
        ReadExtendedCapabilities(instance, physicalDevice, device);
    }
    return device;
}

// Implicit layers (overlays, capture tools, the device-select layer) add load time and nothing
// that a device listing needs. The software rasteriser is never listed as an adapter, and its
// driver brings in a whole compiler, so it is not loaded either; nor are drivers for hardware
// that the machine does not have.
void RestrictLoader(const std::string& strDriverFilter)
{
    setenv("VK_LOADER_LAYERS_DISABLE", "~implicit~", 1);
    setenv("VK_LOADER_DRIVERS_DISABLE", "*lvp_icd*", 1);
    if (!strDriverFilter.empty())
    {
        setenv("VK_LOADER_DRIVERS_SELECT", strDriverFilter.c_str(), 1);
    }
}
} // namespace

std::vector<SVulkanCapabilities> ProbeVulkanDevices(const std::string& strDriverFilter,
                                                    bool& bLoaderFound)
{
    std::vector<SVulkanCapabilities> aDevices;
    RestrictLoader(strDriverFilter);
    const CVulkanLoader loader;
    const PFN_vkGetInstanceProcAddr pfnGetProcAddr = loader.GetInstanceProcAddr();
    bLoaderFound = pfnGetProcAddr != nullptr;
    if (pfnGetProcAddr == nullptr)
    {
        return aDevices;
    }
    const std::uint32_t nInstanceVersion = GetInstanceApiVersion(pfnGetProcAddr);
    const CVulkanInstance instance(pfnGetProcAddr, nInstanceVersion);
    const auto pfnEnumerate =
        instance.IsValid()
            ? instance.GetProc<PFN_vkEnumeratePhysicalDevices>("vkEnumeratePhysicalDevices")
            : nullptr;
    std::uint32_t nCount = 0;
    if (pfnEnumerate == nullptr || pfnEnumerate(instance.Handle(), &nCount, nullptr) != VK_SUCCESS)
    {
        return aDevices;
    }
    std::vector<VkPhysicalDevice> aPhysicalDevices(nCount);
    if (pfnEnumerate(instance.Handle(), &nCount, aPhysicalDevices.data()) < 0)
    {
        return aDevices;
    }
    for (std::uint32_t i = 0; i < nCount; ++i)
    {
        aDevices.push_back(ReadDevice(instance, nInstanceVersion, aPhysicalDevices[i]));
    }
    return aDevices;
}
