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
    // Without consent the clock was never asked, so its "UNK" keeps the unfinished look.
    const bool bGrey =
        requirement == ERequirement::Clock ? bFinished && bInternetConsent : bFinished;
    return bGrey ? kLabelGrey : kLabelBlack;
}
} // namespace

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
