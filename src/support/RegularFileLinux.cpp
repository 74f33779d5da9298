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

bool ReadRegularFileChunksAt(int nFolderFd, const std::string& strName, bool bFollowLink,
                             std::size_t nMaxBytes,
                             const std::function<bool(const char*, std::size_t)>& fnChunk,
                             EFileReadError* pError, std::size_t* pnSize)
{
    // Non-blocking, so that a pipe planted at the path cannot hold the caller.
    const int nFlags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | (bFollowLink ? 0 : O_NOFOLLOW);
    const CUniqueFd file(openat(nFolderFd, strName.c_str(), nFlags));
    struct stat info
    {
    };
    if (!file.IsValid())
    {
        return RefuseRead(pError, ClassifyOpenError(errno));
    }
    if (fstat(file.Get(), &info) != 0)
    {
        return RefuseRead(pError, EFileReadError::ReadFailed);
    }
    if (!S_ISREG(info.st_mode))
    {
        return RefuseRead(pError, EFileReadError::NotRegularFile);
    }
    if (static_cast<std::uint64_t>(info.st_size) > nMaxBytes)
    {
        return RefuseRead(pError, EFileReadError::TooLarge);
    }
    if (pnSize != nullptr)
    {
        *pnSize = static_cast<std::size_t>(info.st_size);
    }
    char aBuffer[65536];
    std::size_t nTotal = 0;
    for (;;)
    {
        const ssize_t nRead = read(file.Get(), aBuffer, sizeof(aBuffer));
        if (nRead == 0)
        {
            return true;
        }
        if (nRead < 0 && errno != EINTR)
        {
            return RefuseRead(pError, EFileReadError::ReadFailed);
        }
        if (nRead > 0)
        {
            if (static_cast<std::size_t>(nRead) > nMaxBytes - nTotal)
            {
                // grew while being read
                return RefuseRead(pError, EFileReadError::TooLarge);
            }
            nTotal += static_cast<std::size_t>(nRead);
            if (!fnChunk(aBuffer, static_cast<std::size_t>(nRead)))
            {
                return true; // the reader has what it needs
            }
        }
    }
}

std::optional<std::vector<char>> ReadRegularFileAt(int nFolderFd, const std::string& strName,
                                                   bool bFollowLink, std::size_t nMaxBytes,
                                                   EFileReadError* pError)
{
    std::vector<char> aContent;
    std::size_t nSize = 0;
    const auto fnAppend = [&aContent, &nSize](const char* pData, std::size_t nBytes)
    {
        if (aContent.empty())
        {
            aContent.reserve(nSize + kRegularFileSpareBytes);
        }
        aContent.insert(aContent.end(), pData, pData + nBytes);
        return true;
    };
    if (!ReadRegularFileChunksAt(nFolderFd, strName, bFollowLink, nMaxBytes, fnAppend, pError,
                                 &nSize))
    {
        return std::nullopt;
    }
    return aContent;
}

std::optional<std::vector<char>> ReadRegularFile(const std::string& strPath, bool bFollowLink,
                                                 std::size_t nMaxBytes, EFileReadError* pError)
{
    return ReadRegularFileAt(AT_FDCWD, strPath, bFollowLink, nMaxBytes, pError);
}
