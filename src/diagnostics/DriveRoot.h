#pragma once

#include <string>

// Replaces the drive root that the free-space check compares with, for example "C:\\", so that a
// report written on Windows can be checked on Linux.
inline constexpr const char* kDriveRootVariable = "RIGVET_DRIVE_ROOT";

// Platform adapter: the drive root of the folder that holds the path, or empty; the value of
// RIGVET_DRIVE_ROOT instead when that is set.
std::wstring GetDriveRoot(const std::wstring& strPath);
