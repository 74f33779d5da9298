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

// The runtime folder (XDG_RUNTIME_DIR) is used only as the system makes it: the user's own real
// directory with mode 0700. Anything else is passed over, never created or repaired.
bool IsPrivateRuntimeFolder(const SFolderStatus& status, std::uint32_t nUserId);
