#include "support/StringTable.h"

#include <windows.h>

std::optional<std::wstring> LoadStringTableEntry(unsigned int nId)
{
    // A capacity of 1023 characters with the terminator: a longer entry is cut to 1022.
    // Resource ids have 16 bits; the loader would take a larger id for its lower half.
    if (nId > 0xFFFF)
    {
        return std::nullopt;
    }
    wchar_t szText[1024];
    szText[0] = L'\0';
    const int nLength = LoadStringW(GetModuleHandleW(nullptr), nId, szText, 1023);
    if (nLength <= 0)
    {
        return std::nullopt;
    }
    return std::wstring(szText, static_cast<std::size_t>(nLength));
}
