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
    struct stat info
    {
    };
    return fstatat(AT_FDCWD, WideToUtf8(pszPath).c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}
