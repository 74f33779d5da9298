#pragma once

#include <cstdio>
#include <string>

// The optional log of a run: created anew (emptied) when opened, written as narrow text.
class CLogFile
{
public:
    CLogFile() = default;
    CLogFile(const CLogFile&) = delete;
    CLogFile& operator=(const CLogFile&) = delete;
    ~CLogFile();

    // Creates or empties the file; false when it cannot be opened for writing.
    bool Open(const std::wstring& strPath);
    bool IsOpen() const { return m_pFile != nullptr; }
    // Writes the text as it is, adding nothing; characters outside ASCII become '?'.
    void WriteString(const std::wstring& strText);
    void Flush();
    // Closing a file that is not open does nothing.
    void Close();

    // Why the file could not be opened or written since the last Open, as a phrase such as
    // "could not be opened (Is a directory)"; empty while all went well.
    const std::string& GetProblem() const { return m_strProblem; }

private:
    // Opens for writing, creating or emptying; implemented by the platform adapter.
    static std::FILE* OpenForWriting(const std::wstring& strPath);

    // Keeps the first problem met; errno tells its reason.
    void NoteProblem(const char* pszWhat);

    std::FILE* m_pFile = nullptr;
    std::string m_strProblem;
};
