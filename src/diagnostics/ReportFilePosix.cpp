#include "diagnostics/UniqueFdPosix.h"
#include "diagnostics/XmlReport.h"
#include "support/TextConvert.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

bool FileExists(const wchar_t* pszPath)
{
    struct stat info
    {
    };
    return pszPath != nullptr && lstat(WideToUtf8(pszPath).c_str(), &info) == 0;
}

std::optional<std::vector<char>> ReadReportFile(const std::wstring& strPath)
{
    // Non-blocking, so that a pipe planted at the path cannot hold the run.
    const CUniqueFd file(
        open(WideToUtf8(strPath).c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info
    {
    };
    if (!file.IsValid() || fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode))
    {
        return std::nullopt;
    }
    std::vector<char> aContent;
    aContent.reserve(static_cast<std::size_t>(info.st_size));
    char aBuffer[65536];
    for (;;)
    {
        const ssize_t nRead = read(file.Get(), aBuffer, sizeof(aBuffer));
        if (nRead == 0)
        {
            return aContent;
        }
        if (nRead < 0 && errno != EINTR)
        {
            return std::nullopt;
        }
        if (nRead > 0)
        {
            aContent.insert(aContent.end(), aBuffer, aBuffer + nRead);
        }
    }
}
