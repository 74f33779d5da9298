#include "support/UniqueHandleWin32.h"
#include "ui/cli/AppendFile.h"

#include <windows.h>

struct CAppendFile::SHandle
{
    explicit SHandle(HANDLE hFile) : m_file(hFile) {}
    CFileHandle m_file;
    bool m_bWroteHeader = false;
};

namespace
{
// Held around the look at the size and the write; a file system without locks goes without.
class CFileLock
{
public:
    explicit CFileLock(HANDLE hFile) : m_hFile(hFile), m_bLocked(Lock(hFile, m_overlapped)) {}
    CFileLock(const CFileLock&) = delete;
    CFileLock& operator=(const CFileLock&) = delete;
    ~CFileLock()
    {
        if (m_bLocked)
        {
            UnlockFileEx(m_hFile, 0, MAXDWORD, MAXDWORD, &m_overlapped);
        }
    }

private:
    static bool Lock(HANDLE hFile, OVERLAPPED& overlapped)
    {
        return LockFileEx(hFile, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &overlapped) != 0;
    }

    HANDLE m_hFile;
    OVERLAPPED m_overlapped{};
    bool m_bLocked;
};

std::string DescribeError(const char* pszWhat)
{
    const DWORD nError = GetLastError();
    char aText[256] = {};
    const DWORD nLength = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                         nullptr, nError, 0, aText, sizeof(aText), nullptr);
    std::string strText(aText, nLength);
    while (!strText.empty() && (strText.back() == '\n' || strText.back() == '\r'))
    {
        strText.pop_back();
    }
    if (strText.empty())
    {
        strText = "error " + std::to_string(nError);
    }
    return std::string(pszWhat) + ": " + strText;
}
} // namespace

CAppendFile::CAppendFile() = default;
CAppendFile::~CAppendFile() = default;

bool CAppendFile::Open(const std::wstring& strPath)
{
    // Append access alone: the system puts every write at the end of the file, whoever else
    // appends at the same time.
    const HANDLE hFile = CreateFileW(strPath.c_str(), FILE_APPEND_DATA | SYNCHRONIZE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
    {
        m_strError = DescribeError("cannot open");
        return false;
    }
    m_pHandle = std::make_unique<SHandle>(hFile);
    return true;
}

bool CAppendFile::AppendRecord(std::string_view strHeader, std::string_view strRecord)
{
    if (!m_pHandle)
    {
        m_strError = "not open";
        return false;
    }
    const HANDLE hFile = m_pHandle->m_file.Get();
    const CFileLock lock(hFile);
    bool bEmpty = !m_pHandle->m_bWroteHeader;
    // Only a file on disk has a size that says whether a header is there.
    if (GetFileType(hFile) == FILE_TYPE_DISK)
    {
        LARGE_INTEGER size{};
        if (!GetFileSizeEx(hFile, &size))
        {
            m_strError = DescribeError("cannot read the file's size");
            return false;
        }
        bEmpty = size.QuadPart == 0;
    }
    std::string strData;
    if (bEmpty)
    {
        strData = strHeader;
    }
    strData += strRecord;
    DWORD nWritten = 0;
    if (!WriteFile(hFile, strData.data(), static_cast<DWORD>(strData.size()), &nWritten, nullptr))
    {
        m_strError = DescribeError("cannot write");
        return false;
    }
    if (nWritten != strData.size())
    {
        // Writing the rest separately could interleave with another writer's record.
        m_strError = "only part of the record was written (disk full?)";
        return false;
    }
    m_pHandle->m_bWroteHeader = m_pHandle->m_bWroteHeader || bEmpty;
    return true;
}

bool CAppendFile::Close()
{
    m_pHandle.reset();
    return true;
}
