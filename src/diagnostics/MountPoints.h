#pragma once

#include "support/MountInfo.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Linux names a disk by the folder it is mounted on; the collector writes that folder (in the form
// of EncodeDiskName) as the disk's DriveLetter, and the drive root of a folder is its disk's
// mount point in that form followed by one backslash, so that DriveLetter + "\" == root picks
// the disk.

// True for file systems whose files live in memory, which hold no disk space however much they
// report free.
bool IsMemoryFileSystem(std::string_view strFileSystem);

// The mount point of the disk that holds an absolute, resolved path. Of the mounts whose mount
// point equals the path or is a whole-folder prefix of it, the longest is the one the path is on
// (of equally long ones the last, which is mounted over the others); where that one lives in
// memory, the next one down is taken, and so on. "/" when no mount holds the path, as the
// process's root holds every absolute path even where it is no mount of its own (a chroot); none
// when every mount that holds it lives in memory, or for a relative path.
std::optional<std::string> FindDiskMountPoint(const std::string& strPath,
                                              const std::vector<SMountEntry>& aMounts);

// EncodeDiskName of the mount point followed by one backslash.
std::wstring BuildDriveRoot(const std::string& strMountPoint);
