#include "diagnostics/PathText.h"
#include "diagnostics/WorkFolder.h"
#include "diagnostics/XmlDocument.h"
#include "diagnostics/XmlReport.h"
#include "support/PathSeparator.h"
#include "support/UniqueHandleWin32.h"

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

namespace
{
// The run's hold on the work folder: a file in it that only one process at a time may open, and
// that goes when it is closed.
constexpr const wchar_t* kWorkFolderHoldName = L"rigvet.lock";

bool IsFolder(const std::wstring& strPath)
{
    const DWORD nAttributes = GetFileAttributesW(strPath.c_str());
    return nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The work folder held through its open hold file; the report is reached by its path.
class CHeldWorkFolder : public IWorkFolder
{
public:
    explicit CHeldWorkFolder(HANDLE hHold) : m_hold(hHold), m_strReport(GetReportPath()) {}

    void DeleteReport() override
    {
        const DWORD nAttributes = GetFileAttributesW(m_strReport.c_str());
        if (nAttributes == INVALID_FILE_ATTRIBUTES)
        {
            return; // no file: nothing to remove
        }
        // Only a file whose read-only attribute could be cleared is deleted; the lock test after
        // this reports one that stays.
        if (SetFileAttributesW(m_strReport.c_str(), nAttributes & ~FILE_ATTRIBUTE_READONLY))
        {
            DeleteFileW(m_strReport.c_str());
        }
    }

    bool ReportExists() const override { return FileExistsNormalized(m_strReport); }

    std::unique_ptr<IXmlDocument> LoadReport() const override
    {
        return LoadReportInto(CreateXmlDocument(), m_strReport, ReportExists());
    }

    // The diagnostics tool gets the short forms: it takes its arguments without quotation marks.
    SCollectorPlace GetCollectorPlace() const override
    {
        return SCollectorPlace{GetShortWorkFolder(), -1, GetShortReportPath()};
    }

private:
    CFileHandle m_hold;
    std::wstring m_strReport;
};
} // namespace

EWorkFolderAccess AcquireWorkFolder(std::unique_ptr<IWorkFolder>& pFolder)
{
    const std::wstring strPath = GetWorkFolderPath();
    const int nResult = SHCreateDirectoryExW(nullptr, strPath.c_str(), nullptr);
    // "Already exists" is also what a file of that name gives; only a folder will do.
    if (!(nResult == ERROR_SUCCESS || nResult == ERROR_ALREADY_EXISTS) || !IsFolder(strPath))
    {
        return EWorkFolderAccess::Unsafe;
    }
    const std::wstring strHold = JoinPath(strPath, kWorkFolderHoldName);
    HANDLE hHold =
        CreateFileW(strHold.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (hHold == INVALID_HANDLE_VALUE)
    {
        return GetLastError() == ERROR_SHARING_VIOLATION ? EWorkFolderAccess::InUse
                                                         : EWorkFolderAccess::Unsafe;
    }
    pFolder = std::make_unique<CHeldWorkFolder>(hHold);
    return EWorkFolderAccess::Held;
}
