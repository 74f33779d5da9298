#pragma once

#include "support/MountInfo.h"

#include <string_view>
#include <vector>

// False for the kernel's pseudo file systems that hold no files of their own (proc, sysfs,
// cgroup, ...); true for real file systems and for tmpfs and overlay, which can hold a
// temporary folder.
bool IsStorageFileSystem(std::string_view strFileSystem);

// The mounts that can hold files, one per mount point: where a mount point is listed more than
// once, the last mount covers the others and is the one kept, in the place of the first. The
// root "/" is always among them, first with no file-system type when it is not listed (a chroot).
std::vector<SMountEntry> SelectStorageMounts(const std::vector<SMountEntry>& aMounts);
