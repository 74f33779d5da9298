#pragma once

#include "support/FileReadError.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Room left behind the content that ReadRegularFile returns, so that a parser can terminate it
// in place without moving it.
inline constexpr std::size_t kRegularFileSpareBytes = 16;

// The whole content of the regular file at the path; nothing when there is none, when the path
// names something else (a folder, a pipe, a device), when it holds more than nMaxBytes (known
// from its size before anything is read, and checked again while reading, for a file that
// grows) or when it cannot be read; then *pError, when given, says why. Without bFollowLink a
// symbolic link at the path itself is refused rather than followed. A pipe never blocks the
// caller. Implemented by the platform adapter.
std::optional<std::vector<char>> ReadRegularFile(const std::string& strPath, bool bFollowLink,
                                                 std::size_t nMaxBytes,
                                                 EFileReadError* pError = nullptr);
