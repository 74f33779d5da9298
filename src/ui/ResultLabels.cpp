#include "ui/ResultLabels.h"

namespace
{
EVerdict GetWordVerdict(ELabelWord word)
{
    switch (word)
    {
    case ELabelWord::Pass:
        return EVerdict::Pass;
    case ELabelWord::Fail:
        return EVerdict::Fail;
    case ELabelWord::Unknown:
        break;
    }
    return EVerdict::Unknown;
}

SRgb GetUnknownColour(ERequirement requirement, bool bFinished, bool bInternetConsent)
{
    // Without consent such a requirement was never asked, so its "UNK" keeps the unfinished look.
    const bool bGrey = GetRequirementDescriptor(requirement).bNeedsInternet
                           ? bFinished && bInternetConsent
                           : bFinished;
    return bGrey ? kLabelGrey : kLabelBlack;
}

std::array<SResultLabel, 3 * g_aRequirementDescriptors.size()> MakeResultLabels()
{
    std::array<SResultLabel, 3 * g_aRequirementDescriptors.size()> aLabels{};
    std::size_t nIndex = 0;
    for (const SRequirementDescriptor* pDescriptor : g_aRequirementDescriptors)
    {
        const SRequirementControls& controls = pDescriptor->controls;
        aLabels[nIndex++] = {pDescriptor->requirement, ELabelWord::Pass, controls.nPassLabelId};
        aLabels[nIndex++] = {pDescriptor->requirement, ELabelWord::Fail, controls.nFailLabelId};
        aLabels[nIndex++] = {pDescriptor->requirement, ELabelWord::Unknown,
                             controls.nUnknownLabelId};
    }
    return aLabels;
}
} // namespace

const std::array<SResultLabel, 3 * g_aRequirementDescriptors.size()>& GetResultLabels()
{
    static const std::array<SResultLabel, 3 * g_aRequirementDescriptors.size()> aLabels =
        MakeResultLabels();
    return aLabels;
}

SRgb GetLabelColour(ERequirement requirement, ELabelWord word, bool bFinished,
                    bool bInternetConsent, EVerdict verdict)
{
    if (word == ELabelWord::Unknown)
    {
        return GetUnknownColour(requirement, bFinished, bInternetConsent);
    }
    if (!bFinished || verdict != GetWordVerdict(word))
    {
        return kLabelGrey;
    }
    return word == ELabelWord::Pass ? kLabelGreen : kLabelRed;
}

std::wstring_view GetLabelWordText(ELabelWord word)
{
    return GetVerdictWord(GetWordVerdict(word));
}

std::wstring GetVerdictDescription(ERequirement requirement, std::optional<EVerdict> verdict)
{
    std::wstring strText(GetRequirementName(requirement));
    strText += L": ";
    if (verdict)
    {
        strText += GetVerdictWord(*verdict);
    }
    else
    {
        strText += L"not tested yet";
    }
    return strText;
}
