#pragma once

#include <cstdint>
#include <string>

// The four numbers of a program's file or product version, read from its executable file.
class CFileVersion
{
public:
    virtual ~CFileVersion() = default;

    // Fills the numbers from the product version (bProductVersion) or the file version. False,
    // with the numbers unchanged, for a null or too long path or a file without a version.
    bool Read(const wchar_t* pszPath, bool bProductVersion);
    // "major.minor.incremental.build".
    std::wstring ToString() const;

    std::uint32_t m_nMajor = 0;
    std::uint32_t m_nMinor = 0;
    std::uint32_t m_nIncremental = 0;
    std::uint32_t m_nBuild = 0;
};

// The four numbers of a program's file version.
class CFileVersion2
{
public:
    virtual ~CFileVersion2() = default;

    bool Read(const wchar_t* pszPath);

    std::uint32_t m_nMajor = 0;
    std::uint32_t m_nMinor = 0;
    std::uint32_t m_nIncremental = 0;
    std::uint32_t m_nBuild = 0;
};

// Paths of this many characters or more are refused, as the Windows reader's buffer would.
inline constexpr std::size_t kMaxVersionPathLength = 259;
