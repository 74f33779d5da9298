#include "diagnostics/CheckedWorkFolderLinux.h"
#include "diagnostics/PathText.h"
#include "diagnostics/TempDirectory.h"
#include "diagnostics/WorkFolder.h"
#include "diagnostics/XmlDocumentLinux.h"
#include "diagnostics/XmlReport.h"
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

// The checked folder, held by its descriptor under the lock; the report is reached by its name
// inside it, so a folder swapped into the path after the check cannot redirect the run.
class CHeldWorkFolder : public IWorkFolder
{
public:
    CHeldWorkFolder(CUniqueFd folder, std::wstring strPath)
        : m_folder(std::move(folder)), m_strPath(std::move(strPath)),
          m_strReport(WideToUtf8(kReportFileName))
    {
    }

    void DeleteReport() override
    {
        struct stat info
        {
        };
        if (fstatat(m_folder.Get(), m_strReport.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        {
            return;
        }
        // The owner's write permission stands for the read-only attribute. A file with other
        // links would carry a new permission to a name outside the work folder, and removing a
        // name needs no permission of the file itself, so such a file is removed as it is. A
        // symbolic link has no permissions of its own, and removing it leaves its target alone.
        const bool bMakeWritable =
            S_ISREG(info.st_mode) && info.st_nlink == 1 && (info.st_mode & S_IWUSR) == 0;
        if (bMakeWritable &&
            fchmodat(m_folder.Get(), m_strReport.c_str(), (info.st_mode & 07777) | S_IWUSR, 0) != 0)
        {
            return;
        }
        unlinkat(m_folder.Get(), m_strReport.c_str(), 0);
    }

    bool ReportExists() const override
    {
        struct stat info
        {
        };
        return fstatat(m_folder.Get(), m_strReport.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
    }

    std::unique_ptr<IXmlDocument> LoadReport() const override
    {
        return LoadReportInto(std::make_unique<CPugiXmlDocument>(m_folder.Get()), kReportFileName,
                              ReportExists());
    }

    // The collector starts in the held folder and writes the report by its bare name.
    SCollectorPlace GetCollectorPlace() const override
    {
        return SCollectorPlace{m_strPath, m_folder.Get(), kReportFileName};
    }

private:
    CUniqueFd m_folder;
    std::wstring m_strPath;
    std::string m_strReport;
};
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

EWorkFolderAccess AcquireWorkFolder(std::unique_ptr<IWorkFolder>& pFolder)
{
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
    pFolder = std::make_unique<CHeldWorkFolder>(std::move(folder), GetWorkFolderPath());
    return EWorkFolderAccess::Held;
}
