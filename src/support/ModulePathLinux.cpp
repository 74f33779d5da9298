#include "support/ModulePath.h"
#include "support/TextConvert.h"

#include <climits>
#include <unistd.h>

std::wstring GetModulePath()
{
    char szPath[PATH_MAX];
    const ssize_t nLength = readlink("/proc/self/exe", szPath, sizeof(szPath));
    if (nLength <= 0 || static_cast<std::size_t>(nLength) >= sizeof(szPath))
    {
        return std::wstring();
    }
    return Utf8ToWide(std::string(szPath, static_cast<std::size_t>(nLength)));
}
