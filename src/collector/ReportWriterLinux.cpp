#include "collector/ReportWriter.h"
#include "support/UniqueFdLinux.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
std::string DescribeError(const std::string& strWhat, int nError)
{
    return strWhat + ": " + std::strerror(nError);
}

// The temporary file in the folder; removed again unless it was renamed away (Keep).
class CTemporaryFile
{
public:
    CTemporaryFile(int fdFolder, std::string strName)
        : m_fdFolder(fdFolder), m_strName(std::move(strName))
    {
    }
    CTemporaryFile(const CTemporaryFile&) = delete;
    CTemporaryFile& operator=(const CTemporaryFile&) = delete;
    ~CTemporaryFile()
    {
        if (!m_bKept)
        {
            unlinkat(m_fdFolder, m_strName.c_str(), 0);
        }
    }
    void Keep() { m_bKept = true; }

private:
    int m_fdFolder;
    std::string m_strName;
    bool m_bKept = false;
};

void SplitPath(const std::string& strPath, std::string& strFolder, std::string& strName)
{
    const std::size_t nSlash = strPath.find_last_of('/');
    strFolder = nSlash == std::string::npos ? "." : (nSlash == 0 ? "/" : strPath.substr(0, nSlash));
    strName = nSlash == std::string::npos ? strPath : strPath.substr(nSlash + 1);
    if (strName.empty() || strName == "." || strName == "..")
    {
        throw CReportFileError("the report path names no file: " + strPath);
    }
}

void WriteAll(int fd, const std::string& strContent)
{
    std::size_t nWritten = 0;
    while (nWritten < strContent.size())
    {
        const ssize_t nResult =
            write(fd, strContent.data() + nWritten, strContent.size() - nWritten);
        if (nResult < 0 && errno == EINTR)
        {
            continue;
        }
        if (nResult <= 0)
        {
            throw CReportFileError(DescribeError("cannot write the report", errno));
        }
        nWritten += static_cast<std::size_t>(nResult);
    }
}

// Opens a fresh temporary file beside the report; a name that is taken is never reused.
int CreateTemporary(int fdFolder, const std::string& strName, std::string& strTemporary)
{
    for (int nAttempt = 0; nAttempt < 100; ++nAttempt)
    {
        char aSuffix[48];
        std::snprintf(aSuffix, sizeof aSuffix, ".%ld.%d.tmp", static_cast<long>(getpid()),
                      nAttempt);
        strTemporary = "." + strName + aSuffix;
        const int fd = openat(fdFolder, strTemporary.c_str(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST)
        {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Moves the temporary file to the report's name only if that name is free. A file system that
// cannot rename without replacing gets a hard link instead, which fails on an existing name too;
// the temporary name then still has to go. True when the temporary name is gone.
bool MoveIntoPlace(int fdFolder, const std::string& strTemporary, const std::string& strName)
{
    if (renameat2(fdFolder, strTemporary.c_str(), fdFolder, strName.c_str(), RENAME_NOREPLACE) == 0)
    {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS)
    {
        throw CReportFileError(DescribeError("cannot put the report in place", errno));
    }
    if (linkat(fdFolder, strTemporary.c_str(), fdFolder, strName.c_str(), 0) != 0)
    {
        throw CReportFileError(DescribeError("cannot put the report in place", errno));
    }
    return false;
}
} // namespace

void WriteReportFile(const std::string& strPath, const std::string& strContent)
{
    std::string strFolder;
    std::string strName;
    SplitPath(strPath, strFolder, strName);
    const CUniqueFd folder(open(strFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() < 0)
    {
        throw CReportFileError(DescribeError("cannot open the report folder " + strFolder, errno));
    }
    std::string strTemporary;
    CUniqueFd file(CreateTemporary(folder.Get(), strName, strTemporary));
    if (file.Get() < 0)
    {
        throw CReportFileError(DescribeError("cannot create a file in " + strFolder, errno));
    }
    CTemporaryFile temporary(folder.Get(), strTemporary);
    WriteAll(file.Get(), strContent);
    // No fsync: the report is read once, right after, on this machine, and then removed; only its
    // being complete before it takes its name matters, which the rename gives. Forcing it to the
    // disk took most of the collector's time.
    if (file.Close() != 0)
    {
        throw CReportFileError(DescribeError("cannot write the report", errno));
    }
    if (MoveIntoPlace(folder.Get(), strTemporary, strName))
    {
        temporary.Keep();
    }
}
