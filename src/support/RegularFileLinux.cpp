#include "support/RegularFile.h"
#include "support/UniqueFdLinux.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

std::optional<std::vector<char>> ReadRegularFile(const std::string& strPath, bool bFollowLink)
{
    // Non-blocking, so that a pipe planted at the path cannot hold the caller.
    const int nFlags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | (bFollowLink ? 0 : O_NOFOLLOW);
    const CUniqueFd file(open(strPath.c_str(), nFlags));
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
