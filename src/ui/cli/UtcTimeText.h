#pragma once

#include <chrono>
#include <string>

// The time in UTC as ISO 8601 to the second: "2026-03-01T09:15:02Z".
std::wstring FormatUtcTime(std::chrono::system_clock::time_point time);
