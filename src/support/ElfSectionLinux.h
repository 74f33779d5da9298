#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

// Reads size bytes at offset of a file into pBuffer; false when the file holds fewer.
using FReadBytes =
    std::function<bool(std::uint64_t nOffset, std::size_t nSize, std::uint8_t* pBuffer)>;

// The bytes of one section of an ELF file and the byte order of that file.
struct SElfSection
{
    std::vector<std::uint8_t> aBytes;
    bool bBigEndian = false;
};

// Sections larger than this are not read: a version record is a few dozen bytes.
inline constexpr std::uint64_t kMaxElfSectionSize = 64 * 1024;

// The first section called strName of a 32- or 64-bit ELF file of either byte order; none when
// the file is no ELF file, is cut short, has no such section or the section holds no bytes.
std::optional<SElfSection> FindElfSection(const FReadBytes& fnRead, std::string_view strName);
