#include "diagnostics/WorkFolder.h"

#include "diagnostics/FileExists.h"
#include "diagnostics/PathText.h"
#include "support/CZelSimpleException.h"
#include "support/LoadResourceString.h"
#include "support/PathSeparator.h"
#include "support/StringIds.h"

std::wstring JoinPath(std::wstring strFirst, std::wstring strSecond)
{
    return JoinPathWith(std::move(strFirst), std::move(strSecond), GetPathSeparator());
}

std::wstring GetWorkFolderPath()
{
    return JoinPath(GetTempDirectory(), kWorkFolderName);
}

std::wstring GetReportPath()
{
    return JoinPath(GetTempDirectory(), std::wstring(kWorkFolderName) + L"/" + kReportFileName);
}

std::wstring GetShortReportPath()
{
    return JoinPath(GetShortWorkFolder(), kReportFileName);
}

bool FileExistsNormalized(std::wstring strPath)
{
    ReplaceAll(strPath, L"/", std::wstring(1, GetPathSeparator()));
    return FileExists(strPath.c_str());
}

std::unique_ptr<IWorkFolder> CreateWorkFolder()
{
    std::unique_ptr<IWorkFolder> pFolder;
    switch (AcquireWorkFolder(pFolder))
    {
    case EWorkFolderAccess::Held:
        return pFolder;
    case EWorkFolderAccess::InUse:
        // Another run's report would be removed or read under it: this run ends as a failed
        // step does, with the message of a report that is held.
        throw CZelSimpleException(IDS_REPORT_LOCKED, LoadResourceString(IDS_REPORT_LOCKED));
    case EWorkFolderAccess::Unsafe:
        break;
    }
    const std::wstring strPath = GetWorkFolderPath();
    throw CZelSimpleException(IDS_WORK_FOLDER_FAILED,
                              LoadResourceString(IDS_WORK_FOLDER_FAILED, strPath.c_str()));
}
