#include "ui/DialogControls.h"

const SResultLabel* FindResultLabel(int nControlId)
{
    for (const SResultLabel& label : g_aResultLabels)
    {
        if (label.nControlId == nControlId)
        {
            return &label;
        }
    }
    return nullptr;
}

std::optional<ERequirement> FindHelpButton(int nControlId)
{
    for (const SHelpButton& button : g_aHelpButtons)
    {
        if (button.nControlId == nControlId)
        {
            return button.requirement;
        }
    }
    return std::nullopt;
}

std::wstring GetHelpButtonName(ERequirement requirement)
{
    return L"Explain " + std::wstring(GetRequirementName(requirement));
}
