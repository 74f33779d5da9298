#include "diagnostics/FolderSafety.h"
#include "diagnostics/PathText.h"
#include "diagnostics/TempDirectory.h"
#include "diagnostics/WorkFolder.h"
#include "support/CZelSimpleException.h"
#include "support/LoadResourceString.h"
#include "support/PathSeparator.h"
#include "support/StringIds.h"
#include "support/TextConvert.h"
#include "support/UniqueFdLinux.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>

namespace
{
constexpr mode_t kPrivateFolderMode = 0700;

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

bool IsPrivateDirectory(const std::wstring& strPath)
{
    struct stat info
    {
    };
    return lstat(WideToUtf8(strPath).c_str(), &info) == 0 &&
           IsSafeWorkFolder(ToFolderStatus(info), geteuid());
}

// Opens one level of the work folder below an open folder, never through a symbolic link, and
// only when it is safe to use.
CUniqueFd OpenSafeSubfolder(int nParentFd, const std::string& strName, bool bCreate)
{
    if (bCreate && mkdirat(nParentFd, strName.c_str(), kPrivateFolderMode) != 0 && errno != EEXIST)
    {
        return CUniqueFd();
    }
    CUniqueFd folder(
        openat(nParentFd, strName.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info
    {
    };
    if (!folder.IsValid() || fstat(folder.Get(), &info) != 0 ||
        !IsSafeWorkFolder(ToFolderStatus(info), geteuid()))
    {
        return CUniqueFd();
    }
    return folder;
}

// Walks from the temporary directory down to the work folder one level at a time.
CUniqueFd OpenWorkFolder(bool bCreate)
{
    const std::wstring strTemp = GetTempDirectory();
    CUniqueFd folder(open(strTemp.empty() ? "/" : WideToUtf8(strTemp).c_str(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const std::string strLevels = WideToUtf8(kWorkFolderName);
    std::size_t nStart = 0;
    while (folder.IsValid() && nStart <= strLevels.size())
    {
        const std::size_t nEnd = std::min(strLevels.find('/', nStart), strLevels.size());
        folder = OpenSafeSubfolder(folder.Get(), strLevels.substr(nStart, nEnd - nStart), bCreate);
        nStart = nEnd + 1;
    }
    return folder;
}
} // namespace

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

void CreateWorkFolder()
{
    const std::wstring strPath = GetWorkFolderPath();
    if (!OpenWorkFolder(true).IsValid())
    {
        throw CZelSimpleException(IDS_WORK_FOLDER_FAILED,
                                  LoadResourceString(IDS_WORK_FOLDER_FAILED, strPath.c_str()));
    }
}

void DeleteReportFile(const std::wstring& strReportPath)
{
    const std::string strPath = WideToUtf8(strReportPath);
    const std::string strName = strPath.substr(strPath.rfind('/') + 1);
    const CUniqueFd folder(open(WideToUtf8(GetParentFolder(strReportPath, L'/')).c_str(),
                                O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info
    {
    };
    if (!folder.IsValid() || strName.empty() ||
        fstatat(folder.Get(), strName.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
    {
        return;
    }
    // The owner's write permission stands for the read-only attribute. A symbolic link has no
    // permissions of its own, and removing it leaves its target alone.
    if (!S_ISLNK(info.st_mode) &&
        fchmodat(folder.Get(), strName.c_str(), (info.st_mode & 07777) | S_IWUSR, 0) != 0)
    {
        return;
    }
    unlinkat(folder.Get(), strName.c_str(), 0);
}
