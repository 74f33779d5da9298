#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The texts the installed memory is computed from.
struct SMemorySources
{
    std::optional<std::string> m_strBlockSize; // /sys/devices/system/memory/block_size_bytes
    std::vector<std::string> m_aBlockStates;   // the state file of every memoryN block
    std::string m_strMeminfo;                  // /proc/meminfo
};

// block_size_bytes holds a hexadecimal number without prefix ("8000000").
std::optional<std::uint64_t> ParseMemoryBlockSize(std::string_view strText);

// A "Key:   1234 kB" value of /proc/meminfo in bytes.
std::optional<std::uint64_t> ParseMeminfoBytes(std::string_view strMeminfo,
                                               std::string_view strKey);

// Installed memory as the kernel's memory blocks count it: block size times the number of online
// blocks. MemTotal, which leaves out what the firmware and the kernel keep, only when the blocks
// are not there to count. 0 when neither is known.
std::uint64_t GetInstalledMemoryBytes(const SMemorySources& sources);

// "<MB>MB RAM" with MB = bytes / 1048576.
std::string FormatMemory(std::uint64_t llBytes);

// Swap space in the form "<MB>MB used, <MB>MB available"; empty when meminfo does not say.
std::string FormatPageFile(std::string_view strMeminfo);
