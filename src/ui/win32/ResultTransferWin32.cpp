#include "ui/win32/ResultTransferWin32.h"

#include "support/TextConvert.h"
#include "support/UniqueHandleWin32.h"

#include <commdlg.h>
#include <cstring>
#include <memory>
#include <type_traits>

namespace
{
// OpenClipboard and CloseClipboard around one change.
class CClipboardScope
{
public:
    explicit CClipboardScope(HWND hOwner) : m_bOpen(OpenClipboard(hOwner) != FALSE) {}
    CClipboardScope(const CClipboardScope&) = delete;
    CClipboardScope& operator=(const CClipboardScope&) = delete;
    ~CClipboardScope()
    {
        if (m_bOpen)
        {
            CloseClipboard();
        }
    }
    bool IsOpen() const { return m_bOpen; }

private:
    bool m_bOpen;
};

struct SGlobalDeleter
{
    void operator()(void* hMemory) const { GlobalFree(hMemory); }
};
// Memory for the clipboard, freed unless the clipboard took it.
using CGlobalMemory = std::unique_ptr<std::remove_pointer_t<HGLOBAL>, SGlobalDeleter>;
} // namespace

std::wstring ToWindowsText(const std::string& strText)
{
    std::wstring strWide;
    for (const wchar_t ch : Utf8ToWide(strText))
    {
        if (ch == L'\n')
        {
            strWide += L'\r';
        }
        strWide += ch;
    }
    return strWide;
}

bool CopyTextToClipboard(HWND hOwner, const std::wstring& strText)
{
    const std::size_t nBytes = (strText.size() + 1) * sizeof(wchar_t);
    CGlobalMemory pMemory(GlobalAlloc(GMEM_MOVEABLE, nBytes));
    if (!pMemory)
    {
        return false;
    }
    void* pTarget = GlobalLock(pMemory.get());
    if (pTarget == nullptr)
    {
        return false;
    }
    std::memcpy(pTarget, strText.c_str(), nBytes);
    GlobalUnlock(pMemory.get());

    const CClipboardScope clipboard(hOwner);
    if (!clipboard.IsOpen() || !EmptyClipboard() ||
        SetClipboardData(CF_UNICODETEXT, pMemory.get()) == nullptr)
    {
        return false;
    }
    pMemory.release(); // the clipboard owns it now
    return true;
}

std::optional<std::wstring> AskSavePath(HWND hOwner)
{
    wchar_t szPath[MAX_PATH] = L"rigvet-result.txt";
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = hOwner;
    dialog.lpstrFilter = L"Text (*.txt)\0*.txt\0JSON (*.json)\0*.json\0";
    dialog.lpstrFile = szPath;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = L"Save Results";
    dialog.lpstrDefExt = L"txt";
    dialog.Flags =
        OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!GetSaveFileNameW(&dialog))
    {
        return std::nullopt;
    }
    return std::wstring(szPath);
}

bool WriteWholeFile(const std::wstring& strPath, const std::string& strBytes, DWORD& nError)
{
    const CFileHandle file(CreateFileW(strPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD nWritten = 0;
    if (!file.IsValid() ||
        !WriteFile(file.Get(), strBytes.data(), static_cast<DWORD>(strBytes.size()), &nWritten,
                   nullptr) ||
        nWritten != strBytes.size())
    {
        nError = GetLastError();
        return false;
    }
    return true;
}
