#pragma once

#include <string_view>
#include <vector>

// The lines of a text without their "\n"; a final line break adds no empty line.
std::vector<std::string_view> SplitLines(std::string_view strText);

// The fields of a delimited text, read the way getline reads with the delimiter: each field runs
// up to the next delimiter (which is consumed with it) or the end. An empty text has no field, a
// delimiter at the very end adds none, and two delimiters in a row make an empty field.
std::vector<std::wstring_view> SplitFields(std::wstring_view strText, wchar_t chDelimiter);

// The words of a text: the runs of characters between blanks; blanks at either end and several in
// a row separate no empty word.
std::vector<std::string_view> SplitWords(std::string_view strText);
