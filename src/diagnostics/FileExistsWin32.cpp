#include "diagnostics/FileExists.h"
#include "support/UniqueHandleWin32.h"

bool FileExists(const wchar_t* pszPath)
{
    if (pszPath == nullptr)
    {
        return false;
    }
    WIN32_FIND_DATAW data{};
    const CFindHandle search(FindFirstFileW(pszPath, &data));
    return search.IsValid();
}
