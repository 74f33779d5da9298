#include "diagnostics/FileExists.h"
#include "support/LongPathWin32.h"
#include "support/UniqueHandleWin32.h"

bool FileExists(const wchar_t* pszPath)
{
    if (pszPath == nullptr)
    {
        return false;
    }
    WIN32_FIND_DATAW data{};
    // The long form reaches paths beyond MAX_PATH characters.
    const CFindHandle search(FindFirstFileW(ToExtendedLengthPath(pszPath).c_str(), &data));
    return search.IsValid();
}
