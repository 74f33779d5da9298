#include "updates/UpdatesFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
class CFileDescriptor
{
public:
    explicit CFileDescriptor(int nDescriptor) : m_nDescriptor(nDescriptor) {}
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;
    ~CFileDescriptor()
    {
        if (m_nDescriptor >= 0)
        {
            close(m_nDescriptor);
        }
    }
    int Get() const { return m_nDescriptor; }

private:
    int m_nDescriptor;
};

bool ReadToEnd(int nDescriptor, std::string& strContent)
{
    char aBuffer[65536];
    for (;;)
    {
        const ssize_t nRead = read(nDescriptor, aBuffer, sizeof aBuffer);
        if (nRead == 0)
        {
            return true;
        }
        if (nRead < 0)
        {
            if (errno == EINTR)
            {
                continue;
            }
            return false;
        }
        strContent.append(aBuffer, static_cast<std::size_t>(nRead));
    }
}
} // namespace

std::optional<std::string> ReadUpdatesFile(const std::string& strPath)
{
    // Non-blocking open, so that a FIFO in place of the file cannot hang the run.
    const CFileDescriptor file(open(strPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat status
    {
    };
    if (file.Get() < 0 || fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode))
    {
        return std::nullopt;
    }
    std::string strContent;
    if (!ReadToEnd(file.Get(), strContent))
    {
        return std::nullopt;
    }
    return strContent;
}
