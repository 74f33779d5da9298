#include "run/LogFile.h"
#include "support/TextConvert.h"

#include <fcntl.h>
#include <unistd.h>

std::FILE* CLogFile::OpenForWriting(const std::wstring& strPath)
{
    if (strPath.empty())
    {
        return nullptr;
    }
    // Non-blocking open: a pipe without a reader at the path fails at once instead of holding the
    // run; the writes themselves block as usual.
    const int nFd = open(WideToUtf8(strPath).c_str(),
                         O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
    if (nFd < 0)
    {
        return nullptr;
    }
    std::FILE* pFile = nullptr;
    if (fcntl(nFd, F_SETFL, fcntl(nFd, F_GETFL) & ~O_NONBLOCK) == 0)
    {
        pFile = fdopen(nFd, "w");
    }
    if (pFile == nullptr)
    {
        close(nFd);
    }
    return pFile;
}
