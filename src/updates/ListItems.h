#pragma once

#include <string_view>

// The item without tab, line feed, vertical tab, form feed, carriage return and blank at either
// end.
std::wstring_view TrimListItem(std::wstring_view strItem);
