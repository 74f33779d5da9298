#include "updates/ListItems.h"

namespace
{
constexpr std::wstring_view kTrimSet = L"\t\n\v\f\r ";
}

std::vector<std::wstring_view> SplitListItems(std::wstring_view strList)
{
    std::vector<std::wstring_view> aItems;
    std::size_t nStart = 0;
    while (nStart < strList.size())
    {
        const std::size_t nComma = strList.find(L',', nStart);
        if (nComma == std::wstring_view::npos)
        {
            aItems.push_back(strList.substr(nStart));
            break;
        }
        aItems.push_back(strList.substr(nStart, nComma - nStart));
        nStart = nComma + 1;
    }
    return aItems;
}

std::wstring_view TrimListItem(std::wstring_view strItem)
{
    const std::size_t nFirst = strItem.find_first_not_of(kTrimSet);
    if (nFirst == std::wstring_view::npos)
    {
        return std::wstring_view();
    }
    const std::size_t nLast = strItem.find_last_not_of(kTrimSet);
    return strItem.substr(nFirst, nLast - nFirst + 1);
}
