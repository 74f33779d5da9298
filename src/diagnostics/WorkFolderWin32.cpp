#include "diagnostics/PathText.h"
#include "diagnostics/WorkFolder.h"
#include "support/CZelSimpleException.h"
#include "support/LoadResourceString.h"
#include "support/PathSeparator.h"
#include "support/StringIds.h"

#include <shlobj.h>
#include <vector>
#include <windows.h>

std::wstring GetTempDirectory()
{
    // The status is not examined: a failed query leaves the buffer empty.
    wchar_t szPath[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, szPath);
    return RemoveTrailingSeparator(szPath, GetPathSeparator());
}

std::wstring GetShortWorkFolder()
{
    const std::wstring strPath = GetWorkFolderPath();
    const DWORD nSize = GetShortPathNameW(strPath.c_str(), nullptr, 0);
    std::vector<wchar_t> aBuffer(nSize + 1, L'\0');
    GetShortPathNameW(strPath.c_str(), aBuffer.data(), nSize + 1);
    return aBuffer.data();
}

void CreateWorkFolder()
{
    const std::wstring strPath = GetWorkFolderPath();
    const int nResult = SHCreateDirectoryExW(nullptr, strPath.c_str(), nullptr);
    // "Already exists" is also what a file of that name gives; only a folder will do.
    const DWORD nAttributes = GetFileAttributesW(strPath.c_str());
    const bool bFolder =
        nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (!(nResult == ERROR_SUCCESS || nResult == ERROR_ALREADY_EXISTS) || !bFolder)
    {
        throw CZelSimpleException(IDS_WORK_FOLDER_FAILED,
                                  LoadResourceString(IDS_WORK_FOLDER_FAILED, strPath.c_str()));
    }
}

void DeleteReportFile(const std::wstring& strReportPath)
{
    const DWORD nAttributes = GetFileAttributesW(strReportPath.c_str());
    if (nAttributes == INVALID_FILE_ATTRIBUTES)
    {
        return; // no file: nothing to remove
    }
    // Only a file whose read-only attribute could be cleared is deleted; the lock test after
    // this reports one that stays.
    if (SetFileAttributesW(strReportPath.c_str(), nAttributes & ~FILE_ATTRIBUTE_READONLY))
    {
        DeleteFileW(strReportPath.c_str());
    }
}
