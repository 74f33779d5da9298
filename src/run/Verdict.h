#pragma once

#include "run/TestResults.h"

#include <array>
#include <string_view>

enum class ERequirement
{
    Display,
    Sound,
    Updates,
    Memory,
    FreeDisk,
    Clock,
};

// The six requirements in the order the results are listed.
inline constexpr std::array<ERequirement, 6> g_aRequirements = {
    ERequirement::Display, ERequirement::Sound,    ERequirement::Updates,
    ERequirement::Memory,  ERequirement::FreeDisk, ERequirement::Clock,
};

enum class EVerdict
{
    Pass,
    Fail,
    Unknown,
};

// Thresholds of the requirements.
inline constexpr float kMinimumFeatureLevel = 11.0f;
inline constexpr std::uint32_t kMinimumMemoryMB = 4095;
inline constexpr std::uint32_t kMinimumFreeDiskMB = 1024;
inline constexpr std::int64_t kClockToleranceSeconds = 60;

// The verdict of a finished run. bWindows8OrLater: the system is at least kWindows8.
EVerdict GetVerdict(ERequirement requirement, const TestResults& results, bool bInternetConsent,
                    bool bWindows8OrLater);

bool IsClockAccurate(std::int64_t llClockDelta);

std::wstring_view GetRequirementName(ERequirement requirement);
std::wstring_view GetVerdictWord(EVerdict verdict);
