#include "diagnostics/FolderSafety.h"

namespace
{
constexpr std::uint32_t kGroupOrOthersWrite = 0022;
}

bool IsSafeWorkFolder(const SFolderStatus& status, std::uint32_t nUserId)
{
    return status.bIsDirectory && !status.bIsSymbolicLink && status.nOwner == nUserId &&
           (status.nMode & kGroupOrOthersWrite) == 0;
}

bool IsPrivateRuntimeFolder(const SFolderStatus& status, std::uint32_t nUserId)
{
    return IsSafeWorkFolder(status, nUserId) && (status.nMode & 0777) == 0700;
}
