#include "diagnostics/CheckedWorkFolderLinux.h"
#include "diagnostics/PathText.h"
#include "diagnostics/TempDirectory.h"
#include "diagnostics/WorkFolder.h"
#include "support/PathSeparator.h"
#include "support/TextConvert.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace
{
constexpr mode_t kPrivateFolderMode = 0700;

// The work folder held for the run, with the path it was checked under.
struct SHeldFolder
{
    CUniqueFd folder;
    std::string strPath;
};

SHeldFolder& HeldFolder()
{
    static SHeldFolder held;
    return held;
}

std::optional<std::wstring> ReadVariable(const char* pszName)
{
    const char* pszValue = std::getenv(pszName);
    if (pszValue == nullptr)
    {
        return std::nullopt;
    }
    return Utf8ToWide(pszValue);
}

SFolderStatus ToFolderStatus(const struct stat& info)
{
    return SFolderStatus{S_ISDIR(info.st_mode), S_ISLNK(info.st_mode),
                         static_cast<std::uint32_t>(info.st_uid),
                         static_cast<std::uint32_t>(info.st_mode & 07777)};
}

// Judged on the entry itself: a link to a private folder is no private folder.
bool IsPrivateDirectory(const std::wstring& strPath)
{
    struct stat info
    {
    };
    return lstat(WideToUtf8(strPath).c_str(), &info) == 0 &&
           IsPrivateRuntimeFolder(ToFolderStatus(info), geteuid());
}

// Opens one level below an open folder, never through a symbolic link, and only when it is safe.
CUniqueFd OpenSafeSubfolder(int nParentFd, const std::string& strName, const SOwnershipQuery& query)
{
    if (mkdirat(nParentFd, strName.c_str(), kPrivateFolderMode) != 0 && errno != EEXIST)
    {
        return CUniqueFd();
    }
    CUniqueFd folder(
        openat(nParentFd, strName.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.IsValid())
    {
        return CUniqueFd();
    }
    const std::optional<SFolderStatus> status = query.fnFolderStatus(folder.Get());
    if (!status || !IsSafeWorkFolder(*status, query.fnCurrentUser()))
    {
        return CUniqueFd();
    }
    return folder;
}
} // namespace

SOwnershipQuery GetSystemOwnershipQuery()
{
    return SOwnershipQuery{[] { return static_cast<std::uint32_t>(geteuid()); },
                           [](int nFolderFd) -> std::optional<SFolderStatus>
                           {
                               struct stat info
                               {
                               };
                               if (fstat(nFolderFd, &info) != 0)
                               {
                                   return std::nullopt;
                               }
                               return ToFolderStatus(info);
                           }};
}

CUniqueFd OpenSafeFolder(const std::string& strBase, const std::string& strLevels,
                         const SOwnershipQuery& query)
{
    CUniqueFd folder(
        open(strBase.empty() ? "/" : strBase.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    std::size_t nStart = 0;
    while (folder.IsValid() && nStart <= strLevels.size())
    {
        const std::size_t nEnd = std::min(strLevels.find('/', nStart), strLevels.size());
        folder = OpenSafeSubfolder(folder.Get(), strLevels.substr(nStart, nEnd - nStart), query);
        nStart = nEnd + 1;
    }
    return folder;
}

int FindHeldWorkFolder(const std::string& strFolder)
{
    const SHeldFolder& held = HeldFolder();
    return held.folder.IsValid() && held.strPath == strFolder ? held.folder.Get() : -1;
}

SReachedPath ReachPath(const std::string& strPath)
{
    const std::size_t nSlash = strPath.rfind('/');
    if (nSlash != std::string::npos && nSlash + 1 < strPath.size())
    {
        const int nFolderFd = FindHeldWorkFolder(strPath.substr(0, nSlash));
        if (nFolderFd >= 0)
        {
            return SReachedPath{nFolderFd, strPath.substr(nSlash + 1), true};
        }
    }
    return SReachedPath{AT_FDCWD, strPath, false};
}

std::wstring GetTempDirectory()
{
    const STempDirectoryCandidates candidates{ReadVariable("XDG_RUNTIME_DIR"),
                                              ReadVariable("TMPDIR"), L"/tmp"};
    return RemoveTrailingSeparator(ChooseTempDirectory(candidates, IsPrivateDirectory),
                                   GetPathSeparator());
}

// Linux paths have no short form.
std::wstring GetShortWorkFolder()
{
    return GetWorkFolderPath();
}

EWorkFolderAccess AcquireWorkFolder()
{
    ReleaseWorkFolder();
    CUniqueFd folder = OpenSafeFolder(WideToUtf8(GetTempDirectory()), WideToUtf8(kWorkFolderName),
                                      GetSystemOwnershipQuery());
    if (!folder.IsValid())
    {
        return EWorkFolderAccess::Unsafe;
    }
    // The lock goes with this descriptor, so it ends with the process too. A lock that cannot
    // be had for any reason leaves the folder to whoever may hold it.
    if (flock(folder.Get(), LOCK_EX | LOCK_NB) != 0)
    {
        return EWorkFolderAccess::InUse;
    }
    HeldFolder() = SHeldFolder{std::move(folder), WideToUtf8(GetWorkFolderPath())};
    return EWorkFolderAccess::Held;
}

void ReleaseWorkFolder()
{
    HeldFolder() = SHeldFolder{CUniqueFd(), std::string()};
}

void DeleteReportFile(const std::wstring& strReportPath)
{
    const SReachedPath report = ReachPath(WideToUtf8(strReportPath));
    struct stat info
    {
    };
    if (!report.bInHeldFolder ||
        fstatat(report.nFolderFd, report.strName.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
    {
        return;
    }
    // The owner's write permission stands for the read-only attribute. A file with other links
    // would carry a new permission to a name outside the work folder, and removing a name needs
    // no permission of the file itself, so such a file is removed as it is. A symbolic link has
    // no permissions of its own, and removing it leaves its target alone.
    const bool bMakeWritable =
        S_ISREG(info.st_mode) && info.st_nlink == 1 && (info.st_mode & S_IWUSR) == 0;
    if (bMakeWritable && fchmodat(report.nFolderFd, report.strName.c_str(),
                                  (info.st_mode & 07777) | S_IWUSR, 0) != 0)
    {
        return;
    }
    unlinkat(report.nFolderFd, report.strName.c_str(), 0);
}
