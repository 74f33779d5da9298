#include "collector/FeatureLevels.h"

namespace
{
// The mapping is conservative: a level is claimed only when every Vulkan feature and limit that
// stands for a required capability of that level is present, and only together with every lower
// level. Capabilities that Vulkan has in its core for every device (compute shaders, instancing,
// occlusion queries, floating-point formats) need no check.
//   9_1, 9_2  2D textures of 2048
//   9_3       textures of 4096, four render targets
//   10_0      geometry shaders, textures of 8192 with 512 layers, eight render targets, 16 vertex
//             inputs, 128 textures / 16 samplers / 14 constant buffers per stage, independent and
//             dual-source blending, depth clamp
//   10_1      cube-map arrays, per-sample shading
//   11_0      tessellation, textures of 16384 with 2048 layers, BC6H/BC7 compression, unordered
//             access from pixel shaders, 32 KiB of group-shared memory and 1024 threads per group,
//             indirect draws with a first instance
//   11_1      unordered access from every stage with 64 slots, logic operations
//   12_0      Vulkan 1.2 descriptor indexing with a heap of a million textures (binding tier 2),
//             sparse buffers and images with aliasing (tiled resources tier 2)
//   12_1      conservative rasterisation with at most half a pixel of overestimation, and
//             rasteriser-ordered views (fragment shader pixel interlock)
bool Supports9_1(const SVulkanCapabilities& d)
{
    return d.m_nMaxImageDimension2D >= 2048;
}

bool Supports9_2(const SVulkanCapabilities& d)
{
    return Supports9_1(d);
}

bool Supports9_3(const SVulkanCapabilities& d)
{
    return d.m_nMaxImageDimension2D >= 4096 && d.m_nMaxColorAttachments >= 4;
}

bool Supports10_0(const SVulkanCapabilities& d)
{
    return d.m_bGeometryShader && d.m_nMaxImageDimension2D >= 8192 &&
           d.m_nMaxImageArrayLayers >= 512 && d.m_nMaxColorAttachments >= 8 &&
           d.m_nMaxVertexInputAttributes >= 16 && d.m_nMaxPerStageDescriptorSampledImages >= 128 &&
           d.m_nMaxPerStageDescriptorSamplers >= 16 &&
           d.m_nMaxPerStageDescriptorUniformBuffers >= 14 && d.m_bIndependentBlend &&
           d.m_bDualSrcBlend && d.m_bDepthClamp;
}

bool Supports10_1(const SVulkanCapabilities& d)
{
    return d.m_bImageCubeArray && d.m_bSampleRateShading;
}

bool Supports11_0(const SVulkanCapabilities& d)
{
    return d.m_bTessellationShader && d.m_nMaxImageDimension2D >= 16384 &&
           d.m_nMaxImageArrayLayers >= 2048 && d.m_bTextureCompressionBc &&
           d.m_bFragmentStoresAndAtomics && d.m_nMaxComputeSharedMemorySize >= 32768 &&
           d.m_nMaxComputeWorkGroupInvocations >= 1024 && d.m_bDrawIndirectFirstInstance;
}

bool Supports11_1(const SVulkanCapabilities& d)
{
    return d.m_bVertexPipelineStoresAndAtomics && d.m_bLogicOp &&
           d.m_nMaxPerStageDescriptorStorageBuffers >= 64 &&
           d.m_nMaxPerStageDescriptorStorageImages >= 64;
}

bool Supports12_0(const SVulkanCapabilities& d)
{
    const bool bVulkan12 = d.m_nApiMajor > 1 || (d.m_nApiMajor == 1 && d.m_nApiMinor >= 2);
    const bool bDescriptorIndexing =
        d.m_bShaderSampledImageArrayNonUniformIndexing &&
        d.m_bShaderStorageBufferArrayNonUniformIndexing && d.m_bRuntimeDescriptorArray &&
        d.m_bDescriptorBindingPartiallyBound && d.m_bDescriptorBindingVariableDescriptorCount &&
        d.m_bDescriptorBindingSampledImageUpdateAfterBind &&
        d.m_nMaxPerStageDescriptorUpdateAfterBindSampledImages >= 1000000;
    const bool bTiledResources = d.m_bSparseBinding && d.m_bSparseResidencyBuffer &&
                                 d.m_bSparseResidencyImage2D && d.m_bSparseResidencyAliased;
    return bVulkan12 && bDescriptorIndexing && bTiledResources;
}

bool Supports12_1(const SVulkanCapabilities& d)
{
    return d.m_bConservativeRasterization && d.m_fPrimitiveOverestimationSize <= 0.5f &&
           d.m_bFragmentShaderPixelInterlock;
}

struct SLevelRule
{
    const char* pszLevel;
    bool (*pfnSupports)(const SVulkanCapabilities&);
};

// Lowest first: each level builds on the one before it.
constexpr SLevelRule kLevelRules[] = {
    {"9_1", Supports9_1},   {"9_2", Supports9_2},   {"9_3", Supports9_3},
    {"10_0", Supports10_0}, {"10_1", Supports10_1}, {"11_0", Supports11_0},
    {"11_1", Supports11_1}, {"12_0", Supports12_0}, {"12_1", Supports12_1},
};
} // namespace

std::vector<std::string> GetFeatureLevels(const SVulkanCapabilities& device)
{
    std::vector<std::string> aLevels;
    for (const SLevelRule& rule : kLevelRules)
    {
        if (!rule.pfnSupports(device))
        {
            break;
        }
        aLevels.insert(aLevels.begin(), rule.pszLevel);
    }
    return aLevels;
}

std::string FormatFeatureLevels(const std::vector<std::string>& aLevels)
{
    std::string strText;
    for (const std::string& strLevel : aLevels)
    {
        if (!strText.empty())
        {
            strText += ',';
        }
        strText += strLevel;
    }
    return strText;
}
