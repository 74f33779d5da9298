#pragma once

#include <string>
#include <string_view>
#include <vector>

struct SMountEntry
{
    std::string m_strMountPoint; // unescaped: "\040" is a blank again
    std::string m_strFileSystem;
};

// The mounts of /proc/self/mountinfo in the order listed:
// "36 35 98:0 /mnt1 /mnt2 rw,noatime master:1 - ext3 /dev/root rw,errors=continue".
std::vector<SMountEntry> ParseMountInfo(std::string_view strMountInfo);

// Undoes the octal escapes (\040 blank, \011 tab, \012 new line, \134 backslash) of mount paths.
std::string UnescapeMountPath(std::string_view strPath);

// False for the kernel's pseudo file systems that hold no files of their own (proc, sysfs,
// cgroup, ...); true for real file systems and for tmpfs and overlay, which can hold a
// temporary folder.
bool IsStorageFileSystem(std::string_view strFileSystem);

// The mounts that can hold files, one per mount point: where a mount point is listed more than
// once, the last mount covers the others and is the one kept, in the place of the first. The
// root "/" is always among them, first with no file-system type when it is not listed (a chroot).
std::vector<SMountEntry> SelectStorageMounts(const std::vector<SMountEntry>& aMounts);
