#pragma once

#include <string_view>
#include <vector>

// The items of a comma-separated list, read the way getline reads with ',' as delimiter: each
// item runs up to the next ',' (which is consumed with it) or the end. An empty list has no item,
// a ',' at the very end adds none, and two commas in a row make an empty item.
std::vector<std::wstring_view> SplitListItems(std::wstring_view strList);

// The item without tab, line feed, vertical tab, form feed, carriage return and blank at either
// end.
std::wstring_view TrimListItem(std::wstring_view strItem);
