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
// Lines without the "-" separator after the six fixed fields are skipped.
std::vector<SMountEntry> ParseMountInfo(std::string_view strMountInfo);

// Undoes the octal escapes (\040 blank, \011 tab, \012 new line, \134 backslash) of mount paths.
std::string UnescapeMountPath(std::string_view strPath);
