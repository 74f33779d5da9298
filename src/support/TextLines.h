#pragma once

#include <string_view>
#include <vector>

// The lines of a text without their "\n"; a final line break adds no empty line.
std::vector<std::string_view> SplitLines(std::string_view strText);
