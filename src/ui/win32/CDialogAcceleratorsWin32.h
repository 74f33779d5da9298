#pragma once

#include <windows.h>

// Ctrl+C and Ctrl+S for a dialog run by DialogBoxParamW. The system's modal loop hands each of
// its messages to the thread's message-filter hook before dispatching it, so the hook is where
// the loop translates the keys into the dialog's commands. Lives as long as the loop runs.
class CDialogAccelerators
{
public:
    CDialogAccelerators(UINT nCopyCommand, UINT nSaveCommand);
    CDialogAccelerators(const CDialogAccelerators&) = delete;
    CDialogAccelerators& operator=(const CDialogAccelerators&) = delete;
    ~CDialogAccelerators();

    // The dialog whose keys are translated, once it exists.
    void Attach(HWND hDialog) { m_hDialog = hDialog; }

private:
    static LRESULT CALLBACK FilterMessage(int nCode, WPARAM wParam, LPARAM lParam);
    bool Translate(MSG& message) const;

    HACCEL m_hTable = nullptr;
    HHOOK m_hHook = nullptr;
    HWND m_hDialog = nullptr;
    CDialogAccelerators* m_pPrevious = nullptr;
};
