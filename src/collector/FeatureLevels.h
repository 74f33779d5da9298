#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class EVulkanDeviceType
{
    Other,
    IntegratedGpu,
    DiscreteGpu,
    VirtualGpu,
    Cpu,
};

// What the Vulkan driver tells about one physical device: the few features, extensions and limits
// that decide which Direct3D feature levels the device can stand for.
struct SVulkanCapabilities
{
    std::string m_strName;
    std::string m_strDriverInfo; // the driver's version text (Vulkan 1.2), "Mesa 22.3.6"
    EVulkanDeviceType m_eType = EVulkanDeviceType::Other;
    std::uint32_t m_nVendorId = 0;
    std::uint32_t m_nDeviceId = 0;
    std::uint32_t m_nApiMajor = 1;
    std::uint32_t m_nApiMinor = 0;

    bool m_bGeometryShader = false;
    bool m_bTessellationShader = false;
    bool m_bImageCubeArray = false;
    bool m_bIndependentBlend = false;
    bool m_bSampleRateShading = false;
    bool m_bDualSrcBlend = false;
    bool m_bDepthClamp = false;
    bool m_bLogicOp = false;
    bool m_bDrawIndirectFirstInstance = false;
    bool m_bTextureCompressionBc = false;
    bool m_bFragmentStoresAndAtomics = false;
    bool m_bVertexPipelineStoresAndAtomics = false;
    bool m_bSparseBinding = false;
    bool m_bSparseResidencyBuffer = false;
    bool m_bSparseResidencyImage2D = false;
    bool m_bSparseResidencyAliased = false;

    // Descriptor indexing (Vulkan 1.2 features).
    bool m_bShaderSampledImageArrayNonUniformIndexing = false;
    bool m_bShaderStorageBufferArrayNonUniformIndexing = false;
    bool m_bRuntimeDescriptorArray = false;
    bool m_bDescriptorBindingPartiallyBound = false;
    bool m_bDescriptorBindingVariableDescriptorCount = false;
    bool m_bDescriptorBindingSampledImageUpdateAfterBind = false;

    bool m_bConservativeRasterization = false; // the extension is offered
    float m_fPrimitiveOverestimationSize = 0.0f;
    bool m_bFragmentShaderPixelInterlock = false;

    std::uint32_t m_nMaxImageDimension2D = 0;
    std::uint32_t m_nMaxImageArrayLayers = 0;
    std::uint32_t m_nMaxColorAttachments = 0;
    std::uint32_t m_nMaxVertexInputAttributes = 0;
    std::uint32_t m_nMaxPerStageDescriptorSamplers = 0;
    std::uint32_t m_nMaxPerStageDescriptorSampledImages = 0;
    std::uint32_t m_nMaxPerStageDescriptorUniformBuffers = 0;
    std::uint32_t m_nMaxPerStageDescriptorStorageBuffers = 0;
    std::uint32_t m_nMaxPerStageDescriptorStorageImages = 0;
    std::uint32_t m_nMaxComputeSharedMemorySize = 0;
    std::uint32_t m_nMaxComputeWorkGroupInvocations = 0;
    std::uint32_t m_nMaxPerStageDescriptorUpdateAfterBindSampledImages = 0;
};

// The Direct3D feature levels the device supports, highest first ("12_1", "12_0", ... "9_1").
std::vector<std::string> GetFeatureLevels(const SVulkanCapabilities& device);

// The levels joined by commas, as the report writes them.
std::string FormatFeatureLevels(const std::vector<std::string>& aLevels);
