#include "diagnostics/MountPoints.h"

#include "support/TextConvert.h"

#include <algorithm>

namespace
{
constexpr std::size_t kMountPointField = 4;

bool IsOctalDigit(char ch)
{
    return ch >= '0' && ch <= '7';
}

bool IsEscapeAt(std::string_view strText, std::size_t i)
{
    return strText[i] == '\\' && i + 3 < strText.size() && IsOctalDigit(strText[i + 1]) &&
           IsOctalDigit(strText[i + 2]) && IsOctalDigit(strText[i + 3]);
}

std::vector<std::string_view> SplitAtBlanks(std::string_view strLine)
{
    std::vector<std::string_view> aFields;
    std::size_t nStart = 0;
    while (nStart < strLine.size())
    {
        const std::size_t nEnd = std::min(strLine.find(' ', nStart), strLine.size());
        if (nEnd > nStart)
        {
            aFields.push_back(strLine.substr(nStart, nEnd - nStart));
        }
        nStart = nEnd + 1;
    }
    return aFields;
}

bool Holds(const std::string& strMountPoint, const std::string& strPath)
{
    if (strMountPoint == "/" || strMountPoint == strPath)
    {
        return true;
    }
    return strPath.size() > strMountPoint.size() && strPath.starts_with(strMountPoint) &&
           strPath[strMountPoint.size()] == '/';
}
} // namespace

std::string UnescapeMountField(std::string_view strField)
{
    std::string strText;
    for (std::size_t i = 0; i < strField.size(); ++i)
    {
        if (IsEscapeAt(strField, i))
        {
            strText += static_cast<char>(((strField[i + 1] - '0') << 6) |
                                         ((strField[i + 2] - '0') << 3) | (strField[i + 3] - '0'));
            i += 3;
        }
        else
        {
            strText += strField[i];
        }
    }
    return strText;
}

std::vector<std::string> ParseMountPoints(std::string_view strMountInfo)
{
    std::vector<std::string> aMountPoints;
    std::size_t nStart = 0;
    while (nStart < strMountInfo.size())
    {
        const std::size_t nEnd = std::min(strMountInfo.find('\n', nStart), strMountInfo.size());
        const std::vector<std::string_view> aFields =
            SplitAtBlanks(strMountInfo.substr(nStart, nEnd - nStart));
        if (aFields.size() > kMountPointField)
        {
            aMountPoints.push_back(UnescapeMountField(aFields[kMountPointField]));
        }
        nStart = nEnd + 1;
    }
    return aMountPoints;
}

std::optional<std::string> FindMountPoint(const std::string& strPath,
                                          const std::vector<std::string>& aMountPoints)
{
    std::optional<std::string> strBest;
    for (const std::string& strMountPoint : aMountPoints)
    {
        if (Holds(strMountPoint, strPath) && (!strBest || strMountPoint.size() >= strBest->size()))
        {
            strBest = strMountPoint;
        }
    }
    // A root that is no mount of its own (a chroot) still holds every absolute path; the
    // collector lists it as "/" the same way.
    if (!strBest && strPath.starts_with('/'))
    {
        strBest = "/";
    }
    return strBest;
}

std::wstring BuildDriveRoot(const std::string& strMountPoint)
{
    return Utf8ToWide(strMountPoint) + L"\\";
}
