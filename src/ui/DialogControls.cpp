#include "ui/DialogControls.h"

const SResultLabel* FindResultLabel(int nControlId)
{
    for (const SResultLabel& label : GetResultLabels())
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
    for (const SRequirementDescriptor* pDescriptor : g_aRequirementDescriptors)
    {
        if (pDescriptor->controls.nHelpButtonId == nControlId)
        {
            return pDescriptor->requirement;
        }
    }
    return std::nullopt;
}

std::wstring GetHelpButtonName(ERequirement requirement)
{
    return L"Explain " + std::wstring(GetRequirementName(requirement));
}
