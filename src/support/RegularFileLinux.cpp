#include "support/RegularFileLinux.h"

#include "support/UniqueFdLinux.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>

namespace
{
EFileReadError ClassifyOpenError(int nError)
{
    switch (nError)
    {
    case ENOENT:
    case ENOTDIR:
        return EFileReadError::NotFound;
    case EACCES:
    case EPERM:
        return EFileReadError::PermissionDenied;
    case ELOOP:
    case ENXIO:
        return EFileReadError::NotRegularFile;
    default:
        return EFileReadError::ReadFailed;
    }
}
} // namespace

std::optional<std::vector<char>> ReadRegularFileAt(int nFolderFd, const std::string& strName,
                                                   bool bFollowLink, std::size_t nMaxBytes,
                                                   EFileReadError* pError)
{
    // Non-blocking, so that a pipe planted at the path cannot hold the caller.
    const int nFlags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | (bFollowLink ? 0 : O_NOFOLLOW);
    const CUniqueFd file(openat(nFolderFd, strName.c_str(), nFlags));
    struct stat info
    {
    };
    if (!file.IsValid())
    {
        return FailRead(pError, ClassifyOpenError(errno));
    }
    if (fstat(file.Get(), &info) != 0)
    {
        return FailRead(pError, EFileReadError::ReadFailed);
    }
    if (!S_ISREG(info.st_mode))
    {
        return FailRead(pError, EFileReadError::NotRegularFile);
    }
    if (static_cast<std::uint64_t>(info.st_size) > nMaxBytes)
    {
        return FailRead(pError, EFileReadError::TooLarge);
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
            return FailRead(pError, EFileReadError::ReadFailed);
        }
        if (nRead > 0)
        {
            if (static_cast<std::size_t>(nRead) > nMaxBytes - aContent.size())
            {
                return FailRead(pError, EFileReadError::TooLarge); // grew while being read
            }
            aContent.insert(aContent.end(), aBuffer, aBuffer + nRead);
        }
    }
}

std::optional<std::vector<char>> ReadRegularFile(const std::string& strPath, bool bFollowLink,
                                                 std::size_t nMaxBytes, EFileReadError* pError)
{
    return ReadRegularFileAt(AT_FDCWD, strPath, bFollowLink, nMaxBytes, pError);
}
