#include "support/UniqueHandleWin32.h"
#include "ui/cli/AppendFile.h"

#include <windows.h>

struct CAppendFile::SHandle
{
    explicit SHandle(HANDLE hFile) : m_file(hFile) {}
    CFileHandle m_file;
    OVERLAPPED m_lockRange{};
    bool m_bLocked = false;
};

namespace
{
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
    m_bWroteHeader = false;
    return true;
}

void CAppendFile::Lock()
{
    m_pHandle->m_lockRange = OVERLAPPED{};
    m_pHandle->m_bLocked = LockFileEx(m_pHandle->m_file.Get(), LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD,
                                      MAXDWORD, &m_pHandle->m_lockRange) != 0;
}

void CAppendFile::Unlock()
{
    if (m_pHandle->m_bLocked)
    {
        UnlockFileEx(m_pHandle->m_file.Get(), 0, MAXDWORD, MAXDWORD, &m_pHandle->m_lockRange);
        m_pHandle->m_bLocked = false;
    }
}

bool CAppendFile::ReadSize(std::optional<std::uint64_t>& nSize)
{
    nSize.reset();
    if (GetFileType(m_pHandle->m_file.Get()) != FILE_TYPE_DISK)
    {
        return true;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(m_pHandle->m_file.Get(), &size))
    {
        m_strError = DescribeError("cannot read the file's size");
        return false;
    }
    nSize = static_cast<std::uint64_t>(size.QuadPart);
    return true;
}

std::optional<std::size_t> CAppendFile::WriteOnce(std::string_view strData)
{
    DWORD nWritten = 0;
    if (!WriteFile(m_pHandle->m_file.Get(), strData.data(), static_cast<DWORD>(strData.size()),
                   &nWritten, nullptr))
    {
        m_strError = DescribeError("cannot write");
        return std::nullopt;
    }
    return nWritten;
}

void CAppendFile::TakeBack(std::uint64_t)
{
    // A handle that may only append cannot move the file's end, so the part stays; the message
    // says only that part was written.
}

bool CAppendFile::Close()
{
    m_pHandle.reset();
    return true;
}
