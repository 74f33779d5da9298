#pragma once

#include "support/RegularFile.h"

// ReadRegularFile of the entry strName of an open folder (AT_FDCWD: of the current folder, or
// an absolute path), so that the folder cannot be swapped between a check and the read.
std::optional<std::vector<char>> ReadRegularFileAt(int nFolderFd, const std::string& strName,
                                                   bool bFollowLink, std::size_t nMaxBytes,
                                                   EFileReadError* pError = nullptr);
