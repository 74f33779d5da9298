#pragma once

#include <cstddef>
#include <string>

// A diagnostics report of about the given size in the layout of the real tool: the values below
// sit among hundreds of devices, disks and a long list of media filters. Generated when needed so
// that no large file is kept in the sources.
std::string GenerateLargeReport(std::size_t nTargetBytes);

// What the checks must read from it.
inline constexpr float kLargeReportFeatureLevel = 12.1f;
inline constexpr unsigned int kLargeReportMemoryMB = 16384;
inline constexpr unsigned int kLargeReportFreeDiskMB = 123456;
inline constexpr const wchar_t* kLargeReportDriveRoot = L"/srv/lab\\";
