#include "support/TextConvert.h"
#include "ui/cli/AppendFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

struct CAppendFile::SHandle
{
    explicit SHandle(int fd) : m_fd(fd) {}
    SHandle(const SHandle&) = delete;
    SHandle& operator=(const SHandle&) = delete;
    ~SHandle()
    {
        if (m_fd >= 0)
        {
            close(m_fd);
        }
    }
    int m_fd;
    bool m_bWroteHeader = false;
};

namespace
{
// Held around the look at the size and the write; a file system without locks goes without.
class CFileLock
{
public:
    explicit CFileLock(int fd) : m_fd(fd), m_bLocked(LockFile(fd)) {}
    CFileLock(const CFileLock&) = delete;
    CFileLock& operator=(const CFileLock&) = delete;
    ~CFileLock()
    {
        if (m_bLocked)
        {
            flock(m_fd, LOCK_UN);
        }
    }

private:
    static bool LockFile(int fd)
    {
        int nResult = 0;
        while ((nResult = flock(fd, LOCK_EX)) != 0 && errno == EINTR)
        {
        }
        return nResult == 0;
    }

    int m_fd;
    bool m_bLocked;
};

std::string DescribeError(const char* pszWhat)
{
    return std::string(pszWhat) + ": " + std::strerror(errno);
}
} // namespace

CAppendFile::CAppendFile() = default;
CAppendFile::~CAppendFile() = default;

bool CAppendFile::Open(const std::wstring& strPath)
{
    // Non-blocking, so that a FIFO without a reader, or one that would fill, fails at once
    // instead of holding a script.
    const int fd = open(WideToUtf8(strPath).c_str(),
                        O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666);
    if (fd < 0)
    {
        m_strError = DescribeError("cannot open");
        return false;
    }
    m_pHandle = std::make_unique<SHandle>(fd);
    return true;
}

bool CAppendFile::AppendRecord(std::string_view strHeader, std::string_view strRecord)
{
    if (!m_pHandle)
    {
        m_strError = "not open";
        return false;
    }
    const int fd = m_pHandle->m_fd;
    const CFileLock lock(fd);
    struct stat info
    {
    };
    if (fstat(fd, &info) != 0)
    {
        m_strError = DescribeError("cannot read the file's size");
        return false;
    }
    // Only a regular file has a size that says whether a header is there.
    const bool bEmpty = S_ISREG(info.st_mode) ? info.st_size == 0 : !m_pHandle->m_bWroteHeader;
    std::string strData;
    if (bEmpty)
    {
        strData = strHeader;
    }
    strData += strRecord;
    ssize_t nWritten = 0;
    while ((nWritten = write(fd, strData.data(), strData.size())) < 0 && errno == EINTR)
    {
    }
    if (nWritten < 0)
    {
        m_strError = DescribeError("cannot write");
        return false;
    }
    if (static_cast<std::size_t>(nWritten) != strData.size())
    {
        // Writing the rest separately could interleave with another writer's record, and the part
        // written would join the next writer's row: the file is cut back to where it ended.
        m_strError = "only part of the record was written (disk full?)";
        if (S_ISREG(info.st_mode) && ftruncate(fd, info.st_size) != 0)
        {
            m_strError += ", and the part could not be taken back";
        }
        return false;
    }
    m_pHandle->m_bWroteHeader = m_pHandle->m_bWroteHeader || bEmpty;
    return true;
}

bool CAppendFile::Close()
{
    if (!m_pHandle)
    {
        return true;
    }
    const int fd = m_pHandle->m_fd;
    m_pHandle->m_fd = -1;
    m_pHandle.reset();
    if (close(fd) != 0 && errno != EINTR)
    {
        m_strError = DescribeError("cannot close");
        return false;
    }
    return true;
}
