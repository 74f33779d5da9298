#include "ui/cli/CConsoleOutputWin32.h"

#include "support/TextConvert.h"

namespace
{
// The length of the pending bytes that ends on a whole UTF-8 sequence.
std::size_t CompleteLength(const std::string& strBytes)
{
    std::size_t nEnd = strBytes.size();
    std::size_t nBack = 0;
    while (nEnd > 0 && nBack < 4 && (static_cast<unsigned char>(strBytes[nEnd - 1]) & 0xC0) == 0x80)
    {
        --nEnd;
        ++nBack;
    }
    if (nEnd == 0)
    {
        return strBytes.size();
    }
    const unsigned char lead = static_cast<unsigned char>(strBytes[nEnd - 1]);
    const std::size_t nNeeded = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return nNeeded > nBack + 1 ? nEnd - 1 : strBytes.size();
}
} // namespace

bool IsConsoleHandle(DWORD nStandardHandle)
{
    DWORD nMode = 0;
    return GetConsoleMode(GetStdHandle(nStandardHandle), &nMode) != FALSE;
}

CConsoleOutput::CConsoleOutput(DWORD nStandardHandle)
    : m_hOutput(GetStdHandle(nStandardHandle)), m_bConsole(IsConsoleHandle(nStandardHandle))
{
}

CConsoleOutput::~CConsoleOutput()
{
    WritePending(true);
}

CConsoleOutput::int_type CConsoleOutput::overflow(int_type ch)
{
    if (!traits_type::eq_int_type(ch, traits_type::eof()))
    {
        m_strPending += traits_type::to_char_type(ch);
        if (ch == '\n')
        {
            WritePending(false);
        }
    }
    return traits_type::not_eof(ch);
}

std::streamsize CConsoleOutput::xsputn(const char* pText, std::streamsize nCount)
{
    m_strPending.append(pText, static_cast<std::size_t>(nCount));
    WritePending(false);
    return nCount;
}

int CConsoleOutput::sync()
{
    WritePending(true);
    return 0;
}

void CConsoleOutput::WritePending(bool bAll)
{
    const std::size_t nLength = bAll ? m_strPending.size() : CompleteLength(m_strPending);
    if (nLength == 0 || m_hOutput == nullptr || m_hOutput == INVALID_HANDLE_VALUE)
    {
        m_strPending.erase(0, nLength);
        return;
    }
    DWORD nWritten = 0;
    if (m_bConsole)
    {
        const std::wstring strWide = Utf8ToWide(std::string_view(m_strPending).substr(0, nLength));
        WriteConsoleW(m_hOutput, strWide.data(), static_cast<DWORD>(strWide.size()), &nWritten,
                      nullptr);
    }
    else
    {
        WriteFile(m_hOutput, m_strPending.data(), static_cast<DWORD>(nLength), &nWritten, nullptr);
    }
    m_strPending.erase(0, nLength);
}
