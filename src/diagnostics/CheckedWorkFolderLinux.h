#pragma once

#include "diagnostics/FolderSafety.h"
#include "support/UniqueFdLinux.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// The work folder as the run checked and opened it. Every later operation on the report goes
// through its descriptor, so that a folder of its path swapped after the check cannot redirect
// the run.

// What the safety check asks of the system: the user the process acts for, and the status of an
// open folder (its owner above all). Tests replace either to stand for another user.
struct SOwnershipQuery
{
    std::function<std::uint32_t()> fnCurrentUser;
    std::function<std::optional<SFolderStatus>(int nFolderFd)> fnFolderStatus;
};

// The answers of the running system (the effective user id, fstat).
SOwnershipQuery GetSystemOwnershipQuery();

// Walks from the folder strBase down the levels of strLevels ("sm3/qualify"), one at a time:
// each missing level is created with mode 0700, none is reached through a symbolic link, and
// each must pass IsSafeWorkFolder for the query's user. The descriptor of the last level, or an
// invalid one.
CUniqueFd OpenSafeFolder(const std::string& strBase, const std::string& strLevels,
                         const SOwnershipQuery& query);
