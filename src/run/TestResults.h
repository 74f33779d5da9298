#pragma once

#include <cstdint>

// One run's measurements. A field that a run does not reach keeps its zero value.
struct TestResults
{
    float m_fFeatureLevel = 0.0f;
    bool m_bSoundDevice = false;
    std::uint32_t m_nMemoryMB = 0;
    std::uint32_t m_nFreeDiskMB = 0;
    bool m_bUpdatesFound = false;
    std::int64_t m_llClockDelta = 0;
};
