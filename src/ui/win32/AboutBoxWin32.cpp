#include "ui/win32/AboutBoxWin32.h"

#include "ui/CAboutLines.h"
#include "run/DialogIds.h"

namespace
{
INT_PTR CALLBACK AboutBoxProc(HWND hDlg, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    switch (nMessage)
    {
    case WM_INITDIALOG:
    {
        const auto* pLines = reinterpret_cast<const CAboutLines*>(lParam);
        SetDlgItemTextW(hDlg, IDC_VERSION_LINE, pLines->m_strVersionLine.c_str());
        SetDlgItemTextW(hDlg, IDC_NOTICE_LINE, pLines->m_strNoticeLine.c_str());
        SetDlgItemTextW(hDlg, IDC_FILE_VERSION, pLines->m_strFileVersion.c_str());
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
        {
            EndDialog(hDlg, LOWORD(wParam));
            return TRUE;
        }
        break;
    default:
        break;
    }
    return FALSE;
}
} // namespace

void ShowAboutBox(HWND hOwner, const std::wstring& strModulePath)
{
    const CAboutLines lines(strModulePath.empty() ? nullptr : strModulePath.c_str());
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUTBOX), hOwner, AboutBoxProc,
                    reinterpret_cast<LPARAM>(&lines));
}
