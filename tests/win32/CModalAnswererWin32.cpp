#include "win32/CModalAnswererWin32.h"

#include <array>
#include <stdexcept>

namespace
{
// The one answerer of this thread, for the hook procedure.
thread_local CModalAnswerer* t_pAnswerer = nullptr;

std::wstring ReadWindowText(HWND hWnd)
{
    std::wstring strText(static_cast<std::size_t>(GetWindowTextLengthW(hWnd)) + 1, L'\0');
    strText.resize(static_cast<std::size_t>(
        GetWindowTextW(hWnd, strText.data(), static_cast<int>(strText.size()))));
    return strText;
}

std::wstring ReadClassName(HWND hWnd)
{
    wchar_t szClass[64] = {};
    GetClassNameW(hWnd, szClass, 64);
    return szClass;
}

bool HasButton(HWND hBox, int nId)
{
    HWND hButton = GetDlgItem(hBox, nId);
    return hButton != nullptr && ReadClassName(hButton) == L"Button";
}

// The buttons and icon of a message box, read back from its controls.
unsigned int ReadMessageBoxStyle(HWND hBox)
{
    unsigned int nStyle = MB_OK;
    if (HasButton(hBox, IDYES) && HasButton(hBox, IDNO))
    {
        nStyle = HasButton(hBox, IDCANCEL) ? MB_YESNOCANCEL : MB_YESNO;
    }
    else if (HasButton(hBox, IDCANCEL))
    {
        nStyle = MB_OKCANCEL;
    }
    // The system's shared icons: IDI_ERROR, IDI_QUESTION, IDI_WARNING, IDI_INFORMATION.
    const std::array<std::pair<int, unsigned int>, 4> aIcons = {{
        {32513, MB_ICONERROR},
        {32514, MB_ICONQUESTION},
        {32515, MB_ICONWARNING},
        {32516, MB_ICONINFORMATION},
    }};
    for (HWND hChild = GetWindow(hBox, GW_CHILD); hChild != nullptr;
         hChild = GetWindow(hChild, GW_HWNDNEXT))
    {
        const HICON hIcon = reinterpret_cast<HICON>(SendMessageW(hChild, STM_GETICON, 0, 0));
        for (const auto& [nIcon, nIconStyle] : aIcons)
        {
            if (hIcon != nullptr && hIcon == LoadIconW(nullptr, MAKEINTRESOURCEW(nIcon)))
            {
                nStyle |= nIconStyle;
            }
        }
    }
    return nStyle;
}
} // namespace

CModalAnswerer::CModalAnswerer(HWND hIgnored)
    : m_hIgnored(hIgnored),
      m_hHook(SetWindowsHookExW(WH_CBT, HookProc, nullptr, GetCurrentThreadId()))
{
    if (m_hHook == nullptr)
    {
        throw std::runtime_error("SetWindowsHookExW failed");
    }
    t_pAnswerer = this;
}

CModalAnswerer::~CModalAnswerer()
{
    UnhookWindowsHookEx(m_hHook);
    t_pAnswerer = nullptr;
}

std::vector<std::wstring> CModalAnswerer::Captions() const
{
    std::vector<std::wstring> aCaptions;
    for (const SBox& box : m_aBoxes)
    {
        aCaptions.push_back(box.strCaption);
    }
    return aCaptions;
}

LRESULT CALLBACK CModalAnswerer::HookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_ACTIVATE && t_pAnswerer != nullptr)
    {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        if (hWnd != t_pAnswerer->m_hIgnored && ReadClassName(hWnd) == L"#32770")
        {
            t_pAnswerer->Answer(hWnd);
        }
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void CModalAnswerer::Answer(HWND hBox)
{
    if (!m_aAnswered.insert(hBox).second)
    {
        return; // active again after a box of its own closed
    }
    SBox box{ReadWindowText(hBox), L"", ReadMessageBoxStyle(hBox), {}};
    for (HWND hChild = GetWindow(hBox, GW_CHILD); hChild != nullptr;
         hChild = GetWindow(hChild, GW_HWNDNEXT))
    {
        const std::wstring strText = ReadWindowText(hChild);
        box.controlTexts[GetDlgCtrlID(hChild)] = strText;
        // The message is the one static text of a message box.
        if (ReadClassName(hChild) == L"Static" && strText.size() > box.strText.size())
        {
            box.strText = strText;
        }
    }
    if (m_onBox)
    {
        m_onBox(hBox);
    }
    const bool bQuestion = (box.nStyle & MB_TYPEMASK) == MB_YESNOCANCEL;
    const int nAnswer = bQuestion ? m_nConsentAnswer : IDOK;
    m_aBoxes.push_back(std::move(box));
    // Pressed once the box runs its own message loop, as a click would be.
    PostMessageW(hBox, WM_COMMAND, MAKEWPARAM(nAnswer, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hBox, nAnswer)));
}
