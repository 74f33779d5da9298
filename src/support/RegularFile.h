#pragma once

#include <optional>
#include <string>
#include <vector>

// The whole content of the regular file at the path; nothing when there is none, when the path
// names something else (a folder, a pipe, a device) or when it cannot be read. Without
// bFollowLink a symbolic link at the path itself is refused rather than followed. A pipe never
// blocks the caller. Implemented by the platform adapter.
std::optional<std::vector<char>> ReadRegularFile(const std::string& strPath, bool bFollowLink);
