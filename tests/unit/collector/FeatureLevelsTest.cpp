#include "collector/FeatureLevels.h"

#include <functional>
#include <gtest/gtest.h>

namespace
{
// A device that meets every requirement of 12_1; each case takes something away.
SVulkanCapabilities MakeFullDevice()
{
    SVulkanCapabilities d;
    d.m_nApiMajor = 1;
    d.m_nApiMinor = 3;
    d.m_bGeometryShader = d.m_bTessellationShader = d.m_bImageCubeArray = true;
    d.m_bIndependentBlend = d.m_bSampleRateShading = d.m_bDualSrcBlend = d.m_bDepthClamp = true;
    d.m_bLogicOp = d.m_bDrawIndirectFirstInstance = d.m_bTextureCompressionBc = true;
    d.m_bFragmentStoresAndAtomics = d.m_bVertexPipelineStoresAndAtomics = true;
    d.m_bSparseBinding = d.m_bSparseResidencyBuffer = d.m_bSparseResidencyImage2D = true;
    d.m_bSparseResidencyAliased = true;
    d.m_bShaderSampledImageArrayNonUniformIndexing = true;
    d.m_bShaderStorageBufferArrayNonUniformIndexing = true;
    d.m_bRuntimeDescriptorArray = d.m_bDescriptorBindingPartiallyBound = true;
    d.m_bDescriptorBindingVariableDescriptorCount = true;
    d.m_bDescriptorBindingSampledImageUpdateAfterBind = true;
    d.m_bConservativeRasterization = true;
    d.m_fPrimitiveOverestimationSize = 0.0039f;
    d.m_bFragmentShaderPixelInterlock = true;
    d.m_nMaxImageDimension2D = 32768;
    d.m_nMaxImageArrayLayers = 2048;
    d.m_nMaxColorAttachments = 8;
    d.m_nMaxVertexInputAttributes = 32;
    d.m_nMaxPerStageDescriptorSamplers = 1048576;
    d.m_nMaxPerStageDescriptorSampledImages = 1048576;
    d.m_nMaxPerStageDescriptorUniformBuffers = 15;
    d.m_nMaxPerStageDescriptorStorageBuffers = 1048576;
    d.m_nMaxPerStageDescriptorStorageImages = 1048576;
    d.m_nMaxComputeSharedMemorySize = 49152;
    d.m_nMaxComputeWorkGroupInvocations = 1024;
    d.m_nMaxPerStageDescriptorUpdateAfterBindSampledImages = 1048576;
    return d;
}

struct SLevelCase
{
    const char* pszName;
    std::function<void(SVulkanCapabilities&)> change;
    std::string strExpected;
};

class FeatureLevels : public ::testing::TestWithParam<SLevelCase>
{
};

const std::string k12_1 = "12_1,12_0,11_1,11_0,10_1,10_0,9_3,9_2,9_1";
const std::string k12_0 = "12_0,11_1,11_0,10_1,10_0,9_3,9_2,9_1";
const std::string k11_1 = "11_1,11_0,10_1,10_0,9_3,9_2,9_1";
const std::string k11_0 = "11_0,10_1,10_0,9_3,9_2,9_1";
const std::string k10_1 = "10_1,10_0,9_3,9_2,9_1";
const std::string k10_0 = "10_0,9_3,9_2,9_1";
const std::string k9_3 = "9_3,9_2,9_1";
} // namespace

TEST_P(FeatureLevels, VulkanCapabilitiesMapToLevels)
{
    SVulkanCapabilities device = MakeFullDevice();
    GetParam().change(device);
    EXPECT_EQ(FormatFeatureLevels(GetFeatureLevels(device)), GetParam().strExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FeatureLevels,
    ::testing::Values(
        SLevelCase{"Everything", [](SVulkanCapabilities&) {}, k12_1},
        SLevelCase{"NoInterlock",
                   [](SVulkanCapabilities& d) { d.m_bFragmentShaderPixelInterlock = false; },
                   k12_0},
        SLevelCase{"NoConservativeRasterisation",
                   [](SVulkanCapabilities& d) { d.m_bConservativeRasterization = false; }, k12_0},
        SLevelCase{"CoarseOverestimation",
                   [](SVulkanCapabilities& d) { d.m_fPrimitiveOverestimationSize = 0.75f; }, k12_0},
        SLevelCase{"Vulkan11", [](SVulkanCapabilities& d) { d.m_nApiMinor = 1; }, k11_1},
        SLevelCase{"NoDescriptorIndexing",
                   [](SVulkanCapabilities& d) { d.m_bRuntimeDescriptorArray = false; }, k11_1},
        SLevelCase{"SmallDescriptorHeap",
                   [](SVulkanCapabilities& d)
                   { d.m_nMaxPerStageDescriptorUpdateAfterBindSampledImages = 65536; },
                   k11_1},
        SLevelCase{"NoSparseAliasing",
                   [](SVulkanCapabilities& d) { d.m_bSparseResidencyAliased = false; }, k11_1},
        SLevelCase{"NoLogicOp", [](SVulkanCapabilities& d) { d.m_bLogicOp = false; }, k11_0},
        SLevelCase{"FewStorageImages",
                   [](SVulkanCapabilities& d) { d.m_nMaxPerStageDescriptorStorageImages = 16; },
                   k11_0},
        SLevelCase{"NoVertexStores",
                   [](SVulkanCapabilities& d) { d.m_bVertexPipelineStoresAndAtomics = false; },
                   k11_0},
        SLevelCase{"NoTessellation",
                   [](SVulkanCapabilities& d) { d.m_bTessellationShader = false; }, k10_1},
        SLevelCase{"NoBcCompression",
                   [](SVulkanCapabilities& d) { d.m_bTextureCompressionBc = false; }, k10_1},
        SLevelCase{"Textures8192", [](SVulkanCapabilities& d) { d.m_nMaxImageDimension2D = 8192; },
                   k10_1},
        SLevelCase{"SmallGroupMemory",
                   [](SVulkanCapabilities& d) { d.m_nMaxComputeSharedMemorySize = 16384; }, k10_1},
        SLevelCase{"NoCubeArrays", [](SVulkanCapabilities& d) { d.m_bImageCubeArray = false; },
                   k10_0},
        SLevelCase{"NoSampleShading",
                   [](SVulkanCapabilities& d) { d.m_bSampleRateShading = false; }, k10_0},
        SLevelCase{"NoGeometryShader", [](SVulkanCapabilities& d) { d.m_bGeometryShader = false; },
                   k9_3},
        SLevelCase{"TwelveConstantBuffers",
                   [](SVulkanCapabilities& d) { d.m_nMaxPerStageDescriptorUniformBuffers = 12; },
                   k9_3},
        SLevelCase{"FourRenderTargets",
                   [](SVulkanCapabilities& d) { d.m_nMaxColorAttachments = 4; }, k9_3},
        SLevelCase{"Textures2048", [](SVulkanCapabilities& d) { d.m_nMaxImageDimension2D = 2048; },
                   "9_2,9_1"},
        SLevelCase{"Textures1024", [](SVulkanCapabilities& d) { d.m_nMaxImageDimension2D = 1024; },
                   ""},
        SLevelCase{"NothingKnown", [](SVulkanCapabilities& d) { d = SVulkanCapabilities(); }, ""}),
    [](const ::testing::TestParamInfo<SLevelCase>& info)
    { return std::string(info.param.pszName); });

TEST(FeatureLevelsFormat, JoinsWithCommas)
{
    EXPECT_EQ(FormatFeatureLevels({}), "");
    EXPECT_EQ(FormatFeatureLevels({"9_1"}), "9_1");
    EXPECT_EQ(FormatFeatureLevels({"11_0", "10_1"}), "11_0,10_1");
}
