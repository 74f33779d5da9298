#include "diagnostics/PathText.h"

void ReplaceAll(std::wstring& strText, const std::wstring& strPattern,
                const std::wstring& strReplacement)
{
    if (strPattern.empty())
    {
        return;
    }
    std::size_t nPosition = strText.find(strPattern);
    while (nPosition != std::wstring::npos)
    {
        strText.replace(nPosition, strPattern.size(), strReplacement);
        nPosition = strText.find(strPattern, nPosition + strReplacement.size());
    }
}

std::wstring JoinPathWith(std::wstring strFirst, std::wstring strSecond, wchar_t chSeparator)
{
    const std::wstring strSeparator(1, chSeparator);
    ReplaceAll(strFirst, L"/", strSeparator);
    ReplaceAll(strSecond, L"/", strSeparator);
    strFirst = RemoveTrailingSeparator(std::move(strFirst), chSeparator);
    if (!strSecond.empty() && strSecond.front() == chSeparator)
    {
        return strFirst + strSecond;
    }
    return strFirst + strSeparator + strSecond;
}

std::wstring RemoveTrailingSeparator(std::wstring strPath, wchar_t chSeparator)
{
    if (!strPath.empty() && strPath.back() == chSeparator)
    {
        strPath.pop_back();
    }
    return strPath;
}

std::wstring GetParentFolder(const std::wstring& strPath, wchar_t chSeparator)
{
    const std::size_t nSeparator = strPath.rfind(chSeparator);
    if (nSeparator == std::wstring::npos)
    {
        return L".";
    }
    return strPath.substr(0, nSeparator == 0 ? 1 : nSeparator);
}
