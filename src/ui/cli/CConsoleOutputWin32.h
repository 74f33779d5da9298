#pragma once

#include <streambuf>
#include <string>
#include <windows.h>

// A stream buffer over a standard handle that takes UTF-8: on a console the text is shown through
// WriteConsoleW, so every character appears whatever the console's code page; anywhere else (a
// file, a pipe) the UTF-8 bytes are written as they are.
class CConsoleOutput : public std::streambuf
{
public:
    explicit CConsoleOutput(DWORD nStandardHandle);
    CConsoleOutput(const CConsoleOutput&) = delete;
    CConsoleOutput& operator=(const CConsoleOutput&) = delete;
    ~CConsoleOutput() override;

protected:
    int_type overflow(int_type ch) override;
    std::streamsize xsputn(const char* pText, std::streamsize nCount) override;
    int sync() override;

private:
    // Writes the whole characters of the pending bytes; a sequence cut at the end waits for the
    // rest.
    void WritePending(bool bAll);

    HANDLE m_hOutput;
    bool m_bConsole;
    std::string m_strPending;
};

// True when the standard handle is a console rather than a file or a pipe.
bool IsConsoleHandle(DWORD nStandardHandle);
