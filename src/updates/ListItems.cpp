#include "updates/ListItems.h"

namespace
{
constexpr std::wstring_view kTrimSet = L"\t\n\v\f\r ";
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
