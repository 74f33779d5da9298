#include "diagnostics/CheckedWorkFolderLinux.h"
#include "diagnostics/FileExists.h"
#include "support/TextConvert.h"

#include <fcntl.h>
#include <sys/stat.h>

bool FileExists(const wchar_t* pszPath)
{
    if (pszPath == nullptr)
    {
        return false;
    }
    const SReachedPath path = ReachPath(WideToUtf8(pszPath));
    struct stat info
    {
    };
    return fstatat(path.nFolderFd, path.strName.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}
