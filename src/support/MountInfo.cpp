#include "support/MountInfo.h"

#include "support/TextSplit.h"

#include <algorithm>

namespace
{
bool IsOctalDigit(char c)
{
    return c >= '0' && c <= '7';
}

std::vector<std::string_view> SplitBlanks(std::string_view strLine)
{
    std::vector<std::string_view> aFields;
    std::size_t nStart = strLine.find_first_not_of(' ');
    while (nStart != std::string_view::npos)
    {
        const std::size_t nEnd = strLine.find(' ', nStart);
        aFields.push_back(strLine.substr(nStart, nEnd - nStart));
        nStart = nEnd == std::string_view::npos ? nEnd : strLine.find_first_not_of(' ', nEnd);
    }
    return aFields;
}
} // namespace

std::string UnescapeMountPath(std::string_view strPath)
{
    std::string strResult;
    for (std::size_t i = 0; i < strPath.size(); ++i)
    {
        if (strPath[i] == '\\' && i + 3 < strPath.size() && IsOctalDigit(strPath[i + 1]) &&
            IsOctalDigit(strPath[i + 2]) && IsOctalDigit(strPath[i + 3]))
        {
            strResult += static_cast<char>((strPath[i + 1] - '0') * 64 +
                                           (strPath[i + 2] - '0') * 8 + (strPath[i + 3] - '0'));
            i += 3;
        }
        else
        {
            strResult += strPath[i];
        }
    }
    return strResult;
}

std::vector<SMountEntry> ParseMountInfo(std::string_view strMountInfo)
{
    std::vector<SMountEntry> aMounts;
    for (const std::string_view strLine : SplitLines(strMountInfo))
    {
        const std::vector<std::string_view> aFields = SplitBlanks(strLine);
        // Six fixed fields, optional tagged fields, "-", then the file system type.
        const auto itSeparator = std::find(aFields.begin(), aFields.end(), "-");
        if (itSeparator == aFields.end() || itSeparator - aFields.begin() < 6 ||
            itSeparator + 1 == aFields.end())
        {
            continue;
        }
        aMounts.push_back({UnescapeMountPath(aFields[4]), std::string(*(itSeparator + 1))});
    }
    return aMounts;
}
