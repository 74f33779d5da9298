#pragma once

#include <cstdint>

// What is known of a folder on the way to the work folder, as the file system reports it without
// following a symbolic link.
struct SFolderStatus
{
    bool bIsDirectory = false;
    bool bIsSymbolicLink = false;
    std::uint32_t nOwner = 0;
    std::uint32_t nMode = 0; // permission bits
};

// A folder of the work folder's path is safe when it is a real directory that belongs to the user
// and that neither the group nor others may write to, so no other user can plant or swap files.
bool IsSafeWorkFolder(const SFolderStatus& status, std::uint32_t nUserId);
