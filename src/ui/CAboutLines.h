#pragma once

#include <string>

// The three lines of the About box, read from the program's executable file each time.
class CAboutLines
{
public:
    // pszModulePath: the program's executable; null when unknown, which leaves both version lines
    // empty.
    explicit CAboutLines(const wchar_t* pszModulePath);

    std::wstring m_strVersionLine; // the product line with the product version
    std::wstring m_strNoticeLine;  // the maker's notice
    std::wstring m_strFileVersion; // the file version
};
