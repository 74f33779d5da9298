#include "ui/CAboutLines.h"

#include "support/CFileVersion.h"
#include "support/LoadResourceString.h"
#include "support/StringIds.h"

#include <cwchar>
#include <iterator>

CAboutLines::CAboutLines(const wchar_t* pszModulePath)
{
    if (pszModulePath != nullptr && *pszModulePath != L'\0')
    {
        CFileVersion productVersion;
        productVersion.Read(pszModulePath, true);
        m_strVersionLine =
            LoadResourceString(IDS_VERSION_LINE, productVersion.m_nMajor, productVersion.m_nMinor,
                               productVersion.m_nIncremental, productVersion.m_nBuild);

        CFileVersion2 fileVersion;
        fileVersion.Read(pszModulePath);
        wchar_t szText[64];
        std::swprintf(szText, std::size(szText), L"%u.%u.%u.%u", fileVersion.m_nMajor,
                      fileVersion.m_nMinor, fileVersion.m_nIncremental, fileVersion.m_nBuild);
        m_strFileVersion = szText;
    }
    m_strNoticeLine = LoadResourceString(IDS_NOTICE);
}
