#include "run/LogFile.h"

#include <cerrno>
#include <cstdint>
#include <cstring>

CLogFile::~CLogFile()
{
    Close();
}

bool CLogFile::Open(const std::wstring& strPath)
{
    Close();
    m_strProblem.clear();
    errno = 0;
    m_pFile = OpenForWriting(strPath);
    if (m_pFile == nullptr)
    {
        NoteProblem("could not be opened");
    }
    return m_pFile != nullptr;
}

void CLogFile::WriteString(const std::wstring& strText)
{
    if (m_pFile == nullptr)
    {
        return;
    }
    std::string strNarrow;
    strNarrow.reserve(strText.size());
    for (wchar_t ch : strText)
    {
        strNarrow += static_cast<std::uint32_t>(ch) < 0x80 ? static_cast<char>(ch) : '?';
    }
    if (std::fwrite(strNarrow.data(), 1, strNarrow.size(), m_pFile) != strNarrow.size())
    {
        NoteProblem("could not be written");
    }
}

void CLogFile::Flush()
{
    if (m_pFile != nullptr && std::fflush(m_pFile) != 0)
    {
        NoteProblem("could not be written");
    }
}

void CLogFile::Close()
{
    if (m_pFile != nullptr)
    {
        // Closing writes what is still buffered, and can fail as a write does.
        if (std::fclose(m_pFile) != 0)
        {
            NoteProblem("could not be written");
        }
        m_pFile = nullptr;
    }
}

void CLogFile::NoteProblem(const char* pszWhat)
{
    if (m_strProblem.empty())
    {
        m_strProblem = pszWhat;
        if (errno != 0)
        {
            m_strProblem += std::string(" (") + std::strerror(errno) + ")";
        }
    }
}
