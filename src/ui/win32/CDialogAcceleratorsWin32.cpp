#include "ui/win32/CDialogAcceleratorsWin32.h"

namespace
{
// The hook has no context of its own; one dialog loop runs per thread at a time.
thread_local CDialogAccelerators* t_pActive = nullptr;
} // namespace

CDialogAccelerators::CDialogAccelerators(UINT nCopyCommand, UINT nSaveCommand)
{
    ACCEL aKeys[] = {
        {FVIRTKEY | FCONTROL, 'C', static_cast<WORD>(nCopyCommand)},
        {FVIRTKEY | FCONTROL, 'S', static_cast<WORD>(nSaveCommand)},
    };
    m_hTable = CreateAcceleratorTableW(aKeys, 2);
    m_pPrevious = t_pActive;
    t_pActive = this;
    m_hHook = SetWindowsHookExW(WH_MSGFILTER, FilterMessage, nullptr, GetCurrentThreadId());
}

CDialogAccelerators::~CDialogAccelerators()
{
    if (m_hHook != nullptr)
    {
        UnhookWindowsHookEx(m_hHook);
    }
    t_pActive = m_pPrevious;
    if (m_hTable != nullptr)
    {
        DestroyAcceleratorTable(m_hTable);
    }
}

LRESULT CALLBACK CDialogAccelerators::FilterMessage(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == MSGF_DIALOGBOX && t_pActive != nullptr &&
        t_pActive->Translate(*reinterpret_cast<MSG*>(lParam)))
    {
        return TRUE; // handled: the loop does not dispatch it
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

bool CDialogAccelerators::Translate(MSG& message) const
{
    // Only keys meant for the main dialog: a message box or the About box keeps its own.
    if (m_hTable == nullptr || m_hDialog == nullptr ||
        (message.hwnd != m_hDialog && !IsChild(m_hDialog, message.hwnd)))
    {
        return false;
    }
    return TranslateAcceleratorW(m_hDialog, m_hTable, &message) != 0;
}
