#include "diagnostics/DriveRoot.h"
#include "support/TextConvert.h"

#include <cstdlib>
#include <shlwapi.h>
#include <windows.h>

std::wstring GetDriveRoot(const std::wstring& strPath)
{
    // Lets a test choose the disk of a report whose drives are not this machine's.
    const wchar_t* pszOverride = _wgetenv(Utf8ToWide(kDriveRootVariable).c_str());
    if (pszOverride != nullptr && *pszOverride != L'\0')
    {
        return pszOverride;
    }
    const int nDrive = PathGetDriveNumberW(strPath.c_str());
    if (nDrive == -1)
    {
        return std::wstring();
    }
    wchar_t szRoot[4] = {};
    PathBuildRootW(szRoot, nDrive);
    return szRoot;
}
