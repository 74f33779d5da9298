#include "run/Verdict.h"

EVerdict GetVerdict(ERequirement requirement, const TestResults& results, bool bInternetConsent,
                    bool bWindows8OrLater)
{
    return GetRequirementDescriptor(requirement)
        .Judge(results, {bInternetConsent, bWindows8OrLater});
}

std::wstring_view GetRequirementName(ERequirement requirement)
{
    return GetRequirementDescriptor(requirement).pszName;
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
