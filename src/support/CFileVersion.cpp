#include "support/CFileVersion.h"

#include "support/EmbeddedVersion.h"

#include <cwchar>
#include <optional>

namespace
{
std::optional<SVersionWords> ReadVersionWords(const wchar_t* pszPath)
{
    if (pszPath == nullptr || std::wcslen(pszPath) >= kMaxVersionPathLength)
    {
        return std::nullopt;
    }
    return ReadEmbeddedVersion(pszPath);
}

template <typename TVersion>
void SetNumbers(TVersion& version, std::uint32_t dwMS, std::uint32_t dwLS)
{
    version.m_nMajor = dwMS >> 16;
    version.m_nMinor = dwMS & 0xFFFF;
    version.m_nIncremental = dwLS >> 16;
    version.m_nBuild = dwLS & 0xFFFF;
}
} // namespace

bool CFileVersion::Read(const wchar_t* pszPath, bool bProductVersion)
{
    const std::optional<SVersionWords> words = ReadVersionWords(pszPath);
    if (!words)
    {
        return false;
    }
    if (bProductVersion)
    {
        SetNumbers(*this, words->dwProductVersionMS, words->dwProductVersionLS);
    }
    else
    {
        SetNumbers(*this, words->dwFileVersionMS, words->dwFileVersionLS);
    }
    return true;
}

std::wstring CFileVersion::ToString() const
{
    // The numbers are at most 65535, so "%i" of each shows it unsigned.
    wchar_t szText[64];
    std::swprintf(szText, std::size(szText), L"%i.%i.%i.%i", static_cast<int>(m_nMajor),
                  static_cast<int>(m_nMinor), static_cast<int>(m_nIncremental),
                  static_cast<int>(m_nBuild));
    return szText;
}

bool CFileVersion2::Read(const wchar_t* pszPath)
{
    const std::optional<SVersionWords> words = ReadVersionWords(pszPath);
    if (!words)
    {
        return false;
    }
    SetNumbers(*this, words->dwFileVersionMS, words->dwFileVersionLS);
    return true;
}
