#include "support/RegularFileLinux.h"

#include "support/UniqueFdLinux.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>

std::optional<std::vector<char>> ReadRegularFileAt(int nFolderFd, const std::string& strName,
                                                   bool bFollowLink, std::size_t nMaxBytes)
{
    // Non-blocking, so that a pipe planted at the path cannot hold the caller.
    const int nFlags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | (bFollowLink ? 0 : O_NOFOLLOW);
    const CUniqueFd file(openat(nFolderFd, strName.c_str(), nFlags));
    struct stat info
    {
    };
    if (!file.IsValid() || fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uint64_t>(info.st_size) > nMaxBytes)
    {
        return std::nullopt;
    }
    std::vector<char> aContent;
    aContent.reserve(static_cast<std::size_t>(info.st_size) + kRegularFileSpareBytes);
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
            if (static_cast<std::size_t>(nRead) > nMaxBytes - aContent.size())
            {
                return std::nullopt; // grew past the limit while being read
            }
            aContent.insert(aContent.end(), aBuffer, aBuffer + nRead);
        }
    }
}

std::optional<std::vector<char>> ReadRegularFile(const std::string& strPath, bool bFollowLink,
                                                 std::size_t nMaxBytes)
{
    return ReadRegularFileAt(AT_FDCWD, strPath, bFollowLink, nMaxBytes);
}
