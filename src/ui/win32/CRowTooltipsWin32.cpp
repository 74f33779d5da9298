#include "ui/win32/CRowTooltipsWin32.h"

#include "ui/ResultLabels.h"

#include <commctrl.h>

namespace
{
// The row's name starts this many dialog units left of its PASS word.
constexpr int kNameToPassUnits = 90;
// Wide enough for an explanation in a few lines.
constexpr int kMaxTipWidth = 400;

int FindControlId(ERequirement requirement, ELabelWord word)
{
    for (const SResultLabel& label : GetResultLabels())
    {
        if (label.requirement == requirement && label.word == word)
        {
            return label.nControlId;
        }
    }
    return 0;
}

RECT GetPlace(HWND hDialog, int nControlId)
{
    RECT place{};
    GetWindowRect(GetDlgItem(hDialog, nControlId), &place);
    MapWindowPoints(nullptr, hDialog, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

TTTOOLINFOW MakeTool(HWND hDialog, ERequirement requirement)
{
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = hDialog;
    tool.uId = static_cast<UINT_PTR>(requirement);
    return tool;
}
} // namespace

bool CRowTooltips::Create(HWND hDialog)
{
    m_hDialog = hDialog;
    m_hTooltips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                  WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hDialog, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    if (m_hTooltips == nullptr)
    {
        return false;
    }
    SendMessageW(m_hTooltips, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
    RECT nameOffset{0, 0, kNameToPassUnits, 0};
    MapDialogRect(hDialog, &nameOffset);
    for (const ERequirement requirement : g_aRequirements)
    {
        const RECT pass = GetPlace(hDialog, FindControlId(requirement, ELabelWord::Pass));
        const RECT unknown = GetPlace(hDialog, FindControlId(requirement, ELabelWord::Unknown));
        TTTOOLINFOW tool = MakeTool(hDialog, requirement);
        tool.rect = {pass.left - nameOffset.right, pass.top, unknown.right, pass.bottom};
        tool.lpszText = const_cast<wchar_t*>(L"");
        SendMessageW(m_hTooltips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    return true;
}

void CRowTooltips::SetText(ERequirement requirement, const std::wstring& strText)
{
    if (m_hTooltips == nullptr)
    {
        return;
    }
    TTTOOLINFOW tool = MakeTool(m_hDialog, requirement);
    tool.lpszText = const_cast<wchar_t*>(strText.c_str());
    SendMessageW(m_hTooltips, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void CRowTooltips::Destroy()
{
    if (m_hTooltips != nullptr)
    {
        DestroyWindow(m_hTooltips);
        m_hTooltips = nullptr;
    }
}
