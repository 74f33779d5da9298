#include "ui/win32/CRigvetDialogWin32.h"

#include "run/DialogIds.h"
#include "support/LoadResourceString.h"
#include "support/StringIds.h"
#include "support/TextConvert.h"
#include "support/UserAgent.h"
#include "ui/DialogControls.h"
#include "ui/cli/LiveRunResult.h"
#include "ui/cli/ResultExplanation.h"
#include "ui/cli/UtcTimeText.h"
#include "ui/win32/AboutBoxWin32.h"
#include "ui/win32/CDialogAcceleratorsWin32.h"
#include "ui/win32/ResultTransferWin32.h"

#include <chrono>
#include <stdexcept>
#include <string>
#include <utility>

namespace
{
// The dialog's own accessible name: its caption bar carries no text.
constexpr const wchar_t* kDialogName = L"Rigvet";

HICON LoadApplicationIcon(int nWidthMetric, int nHeightMetric)
{
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME),
                                         IMAGE_ICON, GetSystemMetrics(nWidthMetric),
                                         GetSystemMetrics(nHeightMetric), LR_DEFAULTCOLOR));
}

// BeginPaint and EndPaint around one WM_PAINT.
class CPaintScope
{
public:
    explicit CPaintScope(HWND hWnd) : m_hWnd(hWnd), m_hDC(BeginPaint(hWnd, &m_paint)) {}
    CPaintScope(const CPaintScope&) = delete;
    CPaintScope& operator=(const CPaintScope&) = delete;
    ~CPaintScope() { EndPaint(m_hWnd, &m_paint); }

    HDC GetDC() const { return m_hDC; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_paint{};
    HDC m_hDC;
};
} // namespace

CRigvetDialogWin32::CRigvetDialogWin32(IQualificationSteps& steps, std::wstring strModulePath)
    : m_steps(steps), m_controller(*this, steps), m_strModulePath(std::move(strModulePath)),
      m_pIcon(LoadApplicationIcon(SM_CXICON, SM_CYICON)),
      m_pSmallIcon(LoadApplicationIcon(SM_CXSMICON, SM_CYSMICON))
{
}

void CRigvetDialogWin32::DoModal()
{
    CDialogAccelerators accelerators(IDM_COPYRESULTS, IDM_SAVERESULTS);
    m_pAccelerators = &accelerators;
    const INT_PTR nResult =
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_RIGVET_DIALOG), nullptr,
                        DialogProc, reinterpret_cast<LPARAM>(this));
    m_pAccelerators = nullptr;
    if (m_pHandlerException)
    {
        std::rethrow_exception(std::exchange(m_pHandlerException, nullptr));
    }
    if (nResult == -1)
    {
        throw std::runtime_error("The main dialog could not be created (error " +
                                 std::to_string(GetLastError()) + ").");
    }
}

INT_PTR CALLBACK CRigvetDialogWin32::DialogProc(HWND hDlg, UINT nMessage, WPARAM wParam,
                                                LPARAM lParam)
{
    if (nMessage == WM_INITDIALOG)
    {
        auto* pDialog = reinterpret_cast<CRigvetDialogWin32*>(lParam);
        pDialog->m_hWnd = hDlg;
        SetWindowLongPtrW(hDlg, DWLP_USER, lParam);
    }
    auto* pDialog = reinterpret_cast<CRigvetDialogWin32*>(GetWindowLongPtrW(hDlg, DWLP_USER));
    if (pDialog == nullptr)
    {
        return FALSE;
    }
    // No exception may cross the system's code that called this procedure.
    try
    {
        return pDialog->HandleMessage(nMessage, wParam, lParam);
    }
    catch (...)
    {
        pDialog->m_pHandlerException = std::current_exception();
        EndDialog(hDlg, -1);
        return TRUE;
    }
}

INT_PTR CRigvetDialogWin32::HandleMessage(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    switch (nMessage)
    {
    case WM_INITDIALOG:
        OnInitDialog();
        return TRUE; // the system gives the focus to the first control, the test button
    case WM_SYSCOMMAND:
        return OnSysCommand(wParam);
    case WM_PAINT:
        return OnPaint();
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(m_pIcon.get());
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return OnCtlColor(nMessage, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam));
    case WM_DESTROY:
        m_accessibleNames.Clear();
        m_rowTooltips.Destroy();
        return FALSE;
    case WM_NCDESTROY:
        SetWindowLongPtrW(m_hWnd, DWLP_USER, 0);
        m_hWnd = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}

void CRigvetDialogWin32::OnInitDialog()
{
    if (m_pAccelerators != nullptr)
    {
        m_pAccelerators->Attach(m_hWnd);
    }
    AppendAboutEntry();
    m_rowTooltips.Create(m_hWnd);
    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_pIcon.get()));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_pSmallIcon.get()));
    SetUserAgentFromModule(m_strModulePath);

    if (m_accessibleNames.Connect())
    {
        m_accessibleNames.SetName(m_hWnd, kDialogName);
        for (const SRequirementDescriptor* pDescriptor : g_aRequirementDescriptors)
        {
            m_accessibleNames.SetName(GetDlgItem(m_hWnd, pDescriptor->controls.nHelpButtonId),
                                      GetHelpButtonName(pDescriptor->requirement));
        }
    }
    // Also the tooltips and the summary, which need no annotation service.
    UpdateAccessibleNames();
}

void CRigvetDialogWin32::AppendAboutEntry()
{
    HMENU hSystemMenu = GetSystemMenu(m_hWnd, FALSE);
    if (hSystemMenu == nullptr)
    {
        return;
    }
    const std::wstring strAbout = LoadResourceString(IDS_ABOUTBOX);
    if (!strAbout.empty())
    {
        AppendMenuW(hSystemMenu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(hSystemMenu, MF_STRING, IDM_ABOUTBOX, strAbout.c_str());
    }
    // Unavailable until a run has finished: there is nothing to hand on before.
    AppendMenuW(hSystemMenu, MF_STRING | MF_GRAYED, IDM_COPYRESULTS, L"&Copy Results\tCtrl+C");
    AppendMenuW(hSystemMenu, MF_STRING | MF_GRAYED, IDM_SAVERESULTS, L"&Save Results...\tCtrl+S");
}

void CRigvetDialogWin32::EnableResultEntries(bool bEnable)
{
    HMENU hSystemMenu = GetSystemMenu(m_hWnd, FALSE);
    const UINT nState = MF_BYCOMMAND | (bEnable ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(hSystemMenu, IDM_COPYRESULTS, nState);
    EnableMenuItem(hSystemMenu, IDM_SAVERESULTS, nState);
}

std::string CRigvetDialogWin32::FormatResultFor(const std::wstring& strFileName) const
{
    return FormatDialogResult(m_controller, m_steps, m_strModulePath, m_strFinishedTime,
                              strFileName);
}

void CRigvetDialogWin32::CopyResults()
{
    if (m_controller.m_bFinished &&
        !CopyTextToClipboard(m_hWnd, ToWindowsText(FormatResultFor(std::wstring()))))
    {
        ShowMessageBox(L"The results could not be put on the clipboard.", L"Copy Results",
                       MB_OK | MB_ICONERROR);
    }
}

void CRigvetDialogWin32::SaveResults()
{
    if (!m_controller.m_bFinished)
    {
        return;
    }
    const std::optional<std::wstring> strPath = AskSavePath(m_hWnd);
    if (!strPath)
    {
        return;
    }
    std::string strContent = FormatResultFor(*strPath);
    if (!IsJsonFileName(*strPath))
    {
        strContent = WideToUtf8(ToWindowsText(strContent)); // a text file for Notepad
    }
    DWORD nError = 0;
    if (!WriteWholeFile(*strPath, strContent, nError))
    {
        ShowMessageBox(L"The results could not be saved to " + *strPath + L" (error " +
                           std::to_wstring(nError) + L").",
                       L"Save Results", MB_OK | MB_ICONERROR);
    }
}

bool CRigvetDialogWin32::OnSysCommand(WPARAM nCommand)
{
    // The system uses the four low bits of a system command itself.
    switch (nCommand & 0xFFF0)
    {
    case IDM_ABOUTBOX:
        ShowAboutBox(m_hWnd, m_strModulePath);
        return true;
    case IDM_COPYRESULTS:
        CopyResults();
        return true;
    case IDM_SAVERESULTS:
        SaveResults();
        return true;
    default:
        return false; // move, close and the rest: the system's default
    }
}

bool CRigvetDialogWin32::OnPaint()
{
    if (!IsIconic(m_hWnd))
    {
        return false;
    }
    const CPaintScope paint(m_hWnd);
    SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paint.GetDC()), 0);
    RECT client{};
    GetClientRect(m_hWnd, &client);
    const int nX = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int nY = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(paint.GetDC(), nX, nY, m_pIcon.get());
    return true;
}

INT_PTR CRigvetDialogWin32::OnCtlColor(UINT nMessage, HDC hDC, HWND hControl)
{
    // A shared system object: neither created nor freed here.
    const HGDIOBJ hWhite = GetStockObject(WHITE_BRUSH);
    if (nMessage == WM_CTLCOLORSTATIC && GetParent(hControl) == m_hWnd)
    {
        if (const SResultLabel* pLabel = FindResultLabel(GetDlgCtrlID(hControl)))
        {
            const std::optional<EVerdict> verdict =
                m_controller.GetShownVerdict(pLabel->requirement);
            const SRgb colour = GetLabelColour(
                pLabel->requirement, pLabel->word, m_controller.m_bFinished,
                m_controller.m_bInternetConsent, verdict.value_or(EVerdict::Unknown));
            SetTextColor(hDC, RGB(colour.nRed, colour.nGreen, colour.nBlue));
        }
    }
    return reinterpret_cast<INT_PTR>(hWhite);
}

bool CRigvetDialogWin32::OnCommand(int nId)
{
    if (nId == IDC_RUN_TEST)
    {
        m_controller.RunQualification();
        return true;
    }
    if (const std::optional<ERequirement> requirement = FindHelpButton(nId))
    {
        m_controller.ShowRequirementHelp(*requirement);
        return true;
    }
    switch (nId)
    {
    case ID_HELP:
        return true; // asking for help does nothing
    case IDM_COPYRESULTS:
        CopyResults();
        return true;
    case IDM_SAVERESULTS:
        SaveResults();
        return true;
    case IDOK:
    case IDCANCEL:
        // The close box and the Escape key: the dialog's default ending.
        EndDialog(m_hWnd, nId);
        return true;
    default:
        return false;
    }
}

void CRigvetDialogWin32::UpdateAccessibleNames()
{
    for (const SResultLabel& label : GetResultLabels())
    {
        m_accessibleNames.SetName(
            GetDlgItem(m_hWnd, label.nControlId),
            GetVerdictDescription(label.requirement,
                                  m_controller.GetShownVerdict(label.requirement)));
    }
    UpdateExplanations();
}

void CRigvetDialogWin32::UpdateExplanations()
{
    const SQualificationResult result =
        m_controller.m_bFinished
            ? DescribeLiveResult(m_controller, IsSystemAtLeast(m_steps, kWindows8))
            : SQualificationResult();
    for (const SResultLabel& label : GetResultLabels())
    {
        std::wstring strText = GetVerdictDescription(label.requirement, std::nullopt);
        for (const SRequirementResult& row : result.aRequirements)
        {
            if (row.requirement == label.requirement)
            {
                strText = FormatRowExplanation(row, EAdvicePlatform::Windows);
            }
        }
        m_accessibleNames.SetDescription(GetDlgItem(m_hWnd, label.nControlId), strText);
        if (label.word == ELabelWord::Pass)
        {
            m_rowTooltips.SetText(label.requirement, strText);
        }
    }
    if (!m_controller.m_bFinished)
    {
        m_strFinishedTime.clear();
    }
    else if (m_strFinishedTime.empty())
    {
        m_strFinishedTime = FormatUtcTime(std::chrono::system_clock::now());
    }
    EnableResultEntries(m_controller.m_bFinished);
    // A static control's text is also its accessible name.
    HWND hSummary = GetDlgItem(m_hWnd, IDC_SUMMARY);
    const std::wstring strSummary = FormatResultSummary(result);
    SetWindowTextW(hSummary, strSummary.c_str());
    ShowWindow(hSummary, strSummary.empty() ? SW_HIDE : SW_SHOW);
}

int CRigvetDialogWin32::ShowMessageBox(const std::wstring& strText, const std::wstring& strCaption,
                                       unsigned int nStyle)
{
    return MessageBoxW(m_hWnd, strText.c_str(), strCaption.c_str(), nStyle);
}

void CRigvetDialogWin32::ShowBusyText(bool bShow)
{
    ShowWindow(GetDlgItem(m_hWnd, IDC_RUNNING), bShow ? SW_SHOW : SW_HIDE);
}

void CRigvetDialogWin32::EnableRunButton(bool bEnable)
{
    HWND hButton = GetDlgItem(m_hWnd, IDC_RUN_TEST);
    EnableWindow(hButton, bEnable ? TRUE : FALSE);
    // Disabling the button took the keyboard focus away; a keyboard user gets it back.
    if (bEnable && GetFocus() == nullptr && GetActiveWindow() == m_hWnd)
    {
        SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hButton), TRUE);
    }
}

void CRigvetDialogWin32::Invalidate()
{
    InvalidateRect(m_hWnd, nullptr, TRUE);
    UpdateAccessibleNames();
}

void CRigvetDialogWin32::Repaint()
{
    UpdateWindow(m_hWnd);
}
