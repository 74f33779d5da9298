#include "run/LogFile.h"

#include <cstdint>

CLogFile::~CLogFile()
{
    Close();
}

bool CLogFile::Open(const std::wstring& strPath)
{
    Close();
    m_pFile = OpenForWriting(strPath);
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
    std::fwrite(strNarrow.data(), 1, strNarrow.size(), m_pFile);
}

void CLogFile::Flush()
{
    if (m_pFile != nullptr)
    {
        std::fflush(m_pFile);
    }
}

void CLogFile::Close()
{
    if (m_pFile != nullptr)
    {
        std::fclose(m_pFile);
        m_pFile = nullptr;
    }
}
