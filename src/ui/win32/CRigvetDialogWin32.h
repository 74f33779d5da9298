#pragma once

#include "run/IRunView.h"
#include "run/CRigvetDlg.h"
#include "ui/win32/CAccessibleNamesWin32.h"
#include "ui/win32/CDialogAcceleratorsWin32.h"
#include "ui/win32/CRowTooltipsWin32.h"

#include <exception>
#include <memory>
#include <string>
#include <type_traits>
#include <windows.h>

// The main dialog on Windows, made from template 102 of the program's resources. It draws what
// the controller decides (the label colours, the busy text, the button) and shows the
// controller's message boxes; every decision is the controller's.
class CRigvetDialogWin32 : public IRunView
{
public:
    CRigvetDialogWin32(IQualificationSteps& steps, std::wstring strModulePath);
    CRigvetDialogWin32(const CRigvetDialogWin32&) = delete;
    CRigvetDialogWin32& operator=(const CRigvetDialogWin32&) = delete;

    // Runs the dialog modally and returns when it has been closed. An exception that left a
    // handler ends the dialog and is raised again here; a dialog that cannot be created raises
    // std::runtime_error.
    void DoModal();

    CRigvetDlg& GetController() { return m_controller; }
    // The dialog's window while it is open, else null.
    HWND GetWindow() const { return m_hWnd; }
    // The tooltip control of the result rows while the dialog is open, else null.
    HWND GetRowTooltips() const { return m_rowTooltips.GetWindow(); }

    int ShowMessageBox(const std::wstring& strText, const std::wstring& strCaption,
                       unsigned int nStyle) override;
    void ShowBusyText(bool bShow) override;
    void EnableRunButton(bool bEnable) override;
    void Invalidate() override;
    void Repaint() override;

private:
    struct SIconDeleter
    {
        void operator()(HICON hIcon) const { DestroyIcon(hIcon); }
    };
    using CIcon = std::unique_ptr<std::remove_pointer_t<HICON>, SIconDeleter>;

    static INT_PTR CALLBACK DialogProc(HWND hDlg, UINT nMessage, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT nMessage, WPARAM wParam, LPARAM lParam);
    void OnInitDialog();
    void AppendAboutEntry();
    bool OnSysCommand(WPARAM nCommand);
    void EnableResultEntries(bool bEnable);
    std::string FormatResultFor(const std::wstring& strFileName) const;
    void CopyResults();
    void SaveResults();
    bool OnPaint();
    INT_PTR OnCtlColor(UINT nMessage, HDC hDC, HWND hControl);
    bool OnCommand(int nId);
    void UpdateAccessibleNames();
    void UpdateExplanations();

    IQualificationSteps& m_steps;
    CRigvetDlg m_controller;
    std::wstring m_strModulePath;
    HWND m_hWnd = nullptr;
    CIcon m_pIcon;
    CIcon m_pSmallIcon;
    CAccessibleNames m_accessibleNames;
    CRowTooltips m_rowTooltips;
    std::exception_ptr m_pHandlerException;
    CDialogAccelerators* m_pAccelerators = nullptr; // while DoModal runs
    std::wstring m_strFinishedTime;                 // UTC, of the run shown; empty while none is
};
