#include "support/ElfSection.h"
#include "support/EmbeddedVersion.h"
#include "support/TextConvert.h"
#include "support/UniqueFdLinux.h"

#include <fcntl.h>

namespace
{
bool ReadAt(int nDescriptor, std::uint64_t nOffset, std::size_t nSize, std::uint8_t* pBuffer)
{
    constexpr std::uint64_t kMaxOffset = static_cast<std::uint64_t>(INT64_MAX);
    if (nOffset > kMaxOffset || nSize > kMaxOffset - nOffset)
    {
        return false;
    }
    std::size_t nDone = 0;
    while (nDone < nSize)
    {
        const ssize_t nRead =
            pread(nDescriptor, pBuffer + nDone, nSize - nDone, static_cast<off_t>(nOffset + nDone));
        if (nRead <= 0)
        {
            return false; // an error or the end of the file
        }
        nDone += static_cast<std::size_t>(nRead);
    }
    return true;
}
} // namespace

std::optional<SVersionWords> ReadEmbeddedVersion(const std::wstring& strPath)
{
    // O_NONBLOCK: opening a FIFO handed over as the path must not hang the caller.
    CUniqueFd file(open(WideToUtf8(strPath).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.Get() < 0)
    {
        return std::nullopt;
    }
    const FReadBytes fnRead =
        [&file](std::uint64_t nOffset, std::size_t nSize, std::uint8_t* pBuffer)
    { return ReadAt(file.Get(), nOffset, nSize, pBuffer); };
    const std::optional<SElfSection> section = FindElfSection(fnRead, kVersionSectionName);
    if (!section)
    {
        return std::nullopt;
    }
    return ParseVersionRecord(section->aBytes, section->bBigEndian);
}
