#include "run/OperatingSystemClass.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace
{
constexpr unsigned long kFirstWindows7Sp1Build = 7601;

struct SWindowsVersion
{
    unsigned long nMajor = 0;
    unsigned long nMinor = 0;
    std::optional<unsigned long> nBuild;
};

std::wstring ToLowerAscii(std::wstring_view strText)
{
    std::wstring strLower(strText);
    std::transform(strLower.begin(), strLower.end(), strLower.begin(),
                   [](wchar_t ch)
                   { return ch >= L'A' && ch <= L'Z' ? static_cast<wchar_t>(ch + 32) : ch; });
    return strLower;
}

bool IsDigit(wchar_t ch)
{
    return ch >= L'0' && ch <= L'9';
}

// Reads the digits at nPos, moving past them; nothing when there are none or too many.
std::optional<unsigned long> ReadNumber(std::wstring_view strText, std::size_t& nPos)
{
    const std::size_t nStart = nPos;
    unsigned long nValue = 0;
    while (nPos < strText.size() && IsDigit(strText[nPos]) && nPos - nStart < 9)
    {
        nValue = nValue * 10 + static_cast<unsigned long>(strText[nPos] - L'0');
        ++nPos;
    }
    if (nPos == nStart || (nPos < strText.size() && IsDigit(strText[nPos])))
    {
        return std::nullopt;
    }
    return nValue;
}

void SkipBlanks(std::wstring_view strText, std::size_t& nPos)
{
    while (nPos < strText.size() && strText[nPos] == L' ')
    {
        ++nPos;
    }
}

// The build after "major.minor,": a word (in the system's language) and then the number.
std::optional<unsigned long> ReadBuild(std::wstring_view strText, std::size_t nPos)
{
    SkipBlanks(strText, nPos);
    while (nPos < strText.size() && strText[nPos] != L' ' && strText[nPos] != L')' &&
           !IsDigit(strText[nPos]))
    {
        ++nPos;
    }
    SkipBlanks(strText, nPos);
    return ReadNumber(strText, nPos);
}

// The first "(major.minor," of the text, with the build that follows it.
std::optional<SWindowsVersion> FindVersion(std::wstring_view strText)
{
    for (std::size_t nOpen = strText.find(L'('); nOpen != std::wstring_view::npos;
         nOpen = strText.find(L'(', nOpen + 1))
    {
        std::size_t nPos = nOpen + 1;
        const std::optional<unsigned long> nMajor = ReadNumber(strText, nPos);
        if (!nMajor || nPos >= strText.size() || strText[nPos] != L'.')
        {
            continue;
        }
        ++nPos;
        const std::optional<unsigned long> nMinor = ReadNumber(strText, nPos);
        if (!nMinor || nPos >= strText.size() || strText[nPos] != L',')
        {
            continue;
        }
        return SWindowsVersion{*nMajor, *nMinor, ReadBuild(strText, nPos + 1)};
    }
    return std::nullopt;
}

ESystemClass ClassifyVersion(const SWindowsVersion& version, std::wstring_view strLower)
{
    if (version.nMajor > 6 || (version.nMajor == 6 && version.nMinor >= 2))
    {
        return ESystemClass::Windows8OrLater;
    }
    if (version.nMajor < 6 || version.nMinor < 1)
    {
        return ESystemClass::OlderThanWindows7Sp1;
    }
    const bool bServicePack = strLower.find(L"service pack") != std::wstring_view::npos;
    const bool bEarlyBuild = version.nBuild && *version.nBuild < kFirstWindows7Sp1Build;
    return bEarlyBuild && !bServicePack ? ESystemClass::OlderThanWindows7Sp1
                                        : ESystemClass::Windows7;
}

std::vector<std::wstring_view> SplitWords(std::wstring_view strText)
{
    std::vector<std::wstring_view> aWords;
    std::size_t nPos = 0;
    while (nPos < strText.size())
    {
        const std::size_t nEnd = std::min(strText.find_first_of(L" (", nPos), strText.size());
        if (nEnd > nPos)
        {
            aWords.push_back(strText.substr(nPos, nEnd - nPos));
        }
        nPos = nEnd + 1;
    }
    return aWords;
}

ESystemClass ClassifyServerName(const std::vector<std::wstring_view>& aWords)
{
    if (aWords.size() < 3)
    {
        return ESystemClass::Unknown;
    }
    const std::wstring_view strYear = aWords[2];
    for (const wchar_t* pszLater : {L"2012", L"2016", L"2019", L"2022", L"2025"})
    {
        if (strYear == pszLater)
        {
            return ESystemClass::Windows8OrLater;
        }
    }
    if (strYear == L"2008")
    {
        return aWords.size() > 3 && aWords[3] == L"r2" ? ESystemClass::Windows7
                                                       : ESystemClass::OlderThanWindows7Sp1;
    }
    return strYear == L"2003" || strYear == L"2000" ? ESystemClass::OlderThanWindows7Sp1
                                                    : ESystemClass::Unknown;
}

// The name after "windows": "windows 10 pro", "windows server 2008 r2 standard".
ESystemClass ClassifyName(std::wstring_view strFromWindows)
{
    const std::vector<std::wstring_view> aWords = SplitWords(strFromWindows);
    if (aWords.size() < 2)
    {
        return ESystemClass::Unknown;
    }
    const std::wstring_view strName = aWords[1];
    for (const wchar_t* pszLater : {L"8", L"8.1", L"10", L"11"})
    {
        if (strName == pszLater)
        {
            return ESystemClass::Windows8OrLater;
        }
    }
    if (strName == L"7")
    {
        return ESystemClass::Windows7;
    }
    for (const wchar_t* pszOlder : {L"vista", L"xp", L"2000", L"me", L"98", L"95", L"nt"})
    {
        if (strName == pszOlder)
        {
            return ESystemClass::OlderThanWindows7Sp1;
        }
    }
    return strName == L"server" ? ClassifyServerName(aWords) : ESystemClass::Unknown;
}
} // namespace

ESystemClass ClassifyOperatingSystem(std::wstring_view strText)
{
    const std::wstring strLower = ToLowerAscii(strText);
    const std::size_t nWindows = strLower.find(L"windows");
    if (nWindows != std::wstring::npos)
    {
        if (const std::optional<SWindowsVersion> version = FindVersion(strLower))
        {
            return ClassifyVersion(*version, strLower);
        }
        return ClassifyName(std::wstring_view(strLower).substr(nWindows));
    }
    return strLower.find(L"linux") != std::wstring::npos ? ESystemClass::Linux
                                                         : ESystemClass::Unknown;
}

std::wstring_view GetSystemClassId(ESystemClass systemClass)
{
    switch (systemClass)
    {
    case ESystemClass::Windows7:
        return L"windows7";
    case ESystemClass::Windows8OrLater:
        return L"windows8OrLater";
    case ESystemClass::OlderThanWindows7Sp1:
        return L"olderThanWindows7Sp1";
    case ESystemClass::Linux:
        return L"linux";
    case ESystemClass::Unknown:
        break;
    }
    return L"unknown";
}

bool UsesWindows8Rules(ESystemClass systemClass)
{
    return systemClass == ESystemClass::Windows8OrLater || systemClass == ESystemClass::Linux;
}
