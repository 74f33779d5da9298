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
    bool m_bLocked = false;
};

namespace
{
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
    m_bWroteHeader = false;
    return true;
}

void CAppendFile::Lock()
{
    int nResult = 0;
    while ((nResult = flock(m_pHandle->m_fd, LOCK_EX)) != 0 && errno == EINTR)
    {
    }
    m_pHandle->m_bLocked = nResult == 0;
}

void CAppendFile::Unlock()
{
    if (m_pHandle->m_bLocked)
    {
        flock(m_pHandle->m_fd, LOCK_UN);
        m_pHandle->m_bLocked = false;
    }
}

bool CAppendFile::ReadSize(std::optional<std::uint64_t>& nSize)
{
    struct stat info
    {
    };
    if (fstat(m_pHandle->m_fd, &info) != 0)
    {
        m_strError = DescribeError("cannot read the file's size");
        return false;
    }
    nSize = S_ISREG(info.st_mode) ? std::optional<std::uint64_t>(info.st_size) : std::nullopt;
    return true;
}

std::optional<std::size_t> CAppendFile::WriteOnce(std::string_view strData)
{
    ssize_t nWritten = 0;
    while ((nWritten = write(m_pHandle->m_fd, strData.data(), strData.size())) < 0 &&
           errno == EINTR)
    {
    }
    if (nWritten < 0)
    {
        m_strError = DescribeError("cannot write");
        return std::nullopt;
    }
    return static_cast<std::size_t>(nWritten);
}

void CAppendFile::TakeBack(std::uint64_t nSize)
{
    if (ftruncate(m_pHandle->m_fd, static_cast<off_t>(nSize)) != 0)
    {
        m_strError += ", and the part could not be taken back";
    }
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
