#pragma once

#include "support/MountInfo.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Linux names a disk by the folder it is mounted on; the collector writes that folder as the
// disk's DriveLetter, and the drive root of a path is its mount point followed by one backslash,
// so that DriveLetter + "\" == root picks the disk that holds the path.

// The mount point that holds an absolute, resolved path: the longest one that equals the path or
// is a whole-folder prefix of it; of equally long ones the last, which is mounted over the others.
// "/" when none holds it: the process's root holds every absolute path even where it is no
// mount of its own (a chroot). Nothing for a relative path.
std::optional<std::string> FindMountPoint(const std::string& strPath,
                                          const std::vector<SMountEntry>& aMounts);

// The mount point followed by one backslash.
std::wstring BuildDriveRoot(const std::string& strMountPoint);
