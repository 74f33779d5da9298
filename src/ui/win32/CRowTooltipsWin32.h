#pragma once

#include "run/Verdict.h"

#include <string>
#include <windows.h>

// One tooltip per result row of the main dialog, over its name and verdict words. The labels are
// static controls, which let the mouse through to the dialog, so each tool is a rectangle of the
// dialog itself, whose mouse messages the tooltip control watches.
class CRowTooltips
{
public:
    CRowTooltips() = default;
    CRowTooltips(const CRowTooltips&) = delete;
    CRowTooltips& operator=(const CRowTooltips&) = delete;
    ~CRowTooltips() { Destroy(); }

    // Creates the tooltip control and the six tools; false when the control cannot be made.
    bool Create(HWND hDialog);
    void SetText(ERequirement requirement, const std::wstring& strText);
    // Before the dialog goes, while its window still exists.
    void Destroy();

    HWND GetWindow() const { return m_hTooltips; }

private:
    HWND m_hDialog = nullptr;
    HWND m_hTooltips = nullptr;
};
