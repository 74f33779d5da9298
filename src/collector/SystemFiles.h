#pragma once

#include <optional>
#include <string>
#include <vector>

// Reading the kernel's text files and links.
std::optional<std::string> ReadSystemFile(const std::string& strPath);

// The last part of the target of a symbolic link ("i915" for .../drivers/i915); empty when the
// path is no link.
std::string ReadLinkName(const std::string& strPath);

// The names in a folder, without "." and ".."; empty when it cannot be read.
std::vector<std::string> ListFolder(const std::string& strPath);
