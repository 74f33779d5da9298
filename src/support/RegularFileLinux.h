#pragma once

#include "support/RegularFile.h"

#include <functional>

// ReadRegularFile of the entry strName of an open folder (AT_FDCWD: of the current folder, or
// an absolute path), so that the folder cannot be swapped between a check and the read.
std::optional<std::vector<char>> ReadRegularFileAt(int nFolderFd, const std::string& strName,
                                                   bool bFollowLink, std::size_t nMaxBytes,
                                                   EFileReadError* pError = nullptr);

// The same read handing the content to fnChunk piece by piece as it arrives, for a reader that
// need not hold it whole; fnChunk returns false to stop early. *pnSize, when given, receives the
// size the file had when it was opened. False, with *pError, when ReadRegularFileAt would read
// nothing.
bool ReadRegularFileChunksAt(int nFolderFd, const std::string& strName, bool bFollowLink,
                             std::size_t nMaxBytes,
                             const std::function<bool(const char*, std::size_t)>& fnChunk,
                             EFileReadError* pError = nullptr, std::size_t* pnSize = nullptr);
