#include "run/Verdict.h"

bool IsClockAccurate(std::int64_t llClockDelta)
{
    // Compared without negating, so the most negative delta cannot overflow.
    return llClockDelta > -kClockToleranceSeconds && llClockDelta < kClockToleranceSeconds;
}

namespace
{
EVerdict PassIf(bool bPass)
{
    return bPass ? EVerdict::Pass : EVerdict::Fail;
}
} // namespace

EVerdict GetVerdict(ERequirement requirement, const TestResults& results, bool bInternetConsent,
                    bool bWindows8OrLater)
{
    switch (requirement)
    {
    case ERequirement::Display:
        return PassIf(!bWindows8OrLater || results.m_fFeatureLevel >= kMinimumFeatureLevel);
    case ERequirement::Sound:
        return PassIf(results.m_bSoundDevice);
    case ERequirement::Updates:
        return PassIf(bWindows8OrLater || results.m_bUpdatesFound);
    case ERequirement::Memory:
        return PassIf(results.m_nMemoryMB >= kMinimumMemoryMB);
    case ERequirement::FreeDisk:
        return PassIf(results.m_nFreeDiskMB >= kMinimumFreeDiskMB);
    case ERequirement::Clock:
        return bInternetConsent ? PassIf(IsClockAccurate(results.m_llClockDelta))
                                : EVerdict::Unknown;
    }
    return EVerdict::Unknown;
}

std::wstring_view GetRequirementName(ERequirement requirement)
{
    switch (requirement)
    {
    case ERequirement::Display:
        return L"Display Device";
    case ERequirement::Sound:
        return L"Sound Device";
    case ERequirement::Updates:
        return L"Windows Updates";
    case ERequirement::Memory:
        return L"System Memory";
    case ERequirement::FreeDisk:
        return L"Free Disk Space";
    case ERequirement::Clock:
        return L"Accurate System Time";
    }
    return L"";
}

std::wstring_view GetVerdictWord(EVerdict verdict)
{
    switch (verdict)
    {
    case EVerdict::Pass:
        return L"PASS";
    case EVerdict::Fail:
        return L"FAIL";
    case EVerdict::Unknown:
        return L"UNK";
    }
    return L"";
}
