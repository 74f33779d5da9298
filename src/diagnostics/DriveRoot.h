#pragma once

#include <string>

// Replaces the drive root that the free-space check compares with, for example "C:\\", so that a
// report written on Windows can be checked on Linux.
inline constexpr const char* kDriveRootVariable = "RIGVET_DRIVE_ROOT";

// Platform adapter: the drive root that the free-space check compares with, or empty; the value
// of RIGVET_DRIVE_ROOT instead when that is set. Windows gives the drive of the path (the
// report's, in the user's profile); Linux gives the disk that holds the user's home folder,
// whatever the path, since the work folder may lie in memory ($XDG_RUNTIME_DIR, a tmpfs).
std::wstring GetDriveRoot(const std::wstring& strPath);
