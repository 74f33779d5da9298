#include "diagnostics/FileExists.h"
#include "support/TextConvert.h"

#include <sys/stat.h>

bool FileExists(const wchar_t* pszPath)
{
    struct stat info
    {
    };
    return pszPath != nullptr && lstat(WideToUtf8(pszPath).c_str(), &info) == 0;
}
