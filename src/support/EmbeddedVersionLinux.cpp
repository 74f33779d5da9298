#include "support/ElfSectionLinux.h"
#include "support/EmbeddedVersion.h"
#include "support/TextConvert.h"
#include "support/UniqueFdLinux.h"

#include <algorithm>
#include <fcntl.h>
#include <vector>

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

// Serves the section search's many small reads (one per section header, all in one table) from
// one block read, since every system call counts at a program's start.
class CBlockReader
{
public:
    explicit CBlockReader(int nDescriptor) : m_nDescriptor(nDescriptor) {}

    bool Read(std::uint64_t nOffset, std::size_t nSize, std::uint8_t* pBuffer)
    {
        if (!Holds(nOffset, nSize))
        {
            Fill(nOffset);
        }
        if (!Holds(nOffset, nSize))
        {
            return ReadAt(m_nDescriptor, nOffset, nSize, pBuffer); // larger than a block
        }
        const std::size_t nStart = static_cast<std::size_t>(nOffset - m_nBlockOffset);
        std::copy_n(m_aBlock.begin() + static_cast<std::ptrdiff_t>(nStart), nSize, pBuffer);
        return true;
    }

private:
    static constexpr std::size_t kBlockSize = 8192;

    bool Holds(std::uint64_t nOffset, std::size_t nSize) const
    {
        return nOffset >= m_nBlockOffset && nOffset - m_nBlockOffset <= m_aBlock.size() &&
               nSize <= m_aBlock.size() - (nOffset - m_nBlockOffset);
    }

    void Fill(std::uint64_t nOffset)
    {
        m_aBlock.assign(kBlockSize, 0);
        const ssize_t nRead = nOffset > static_cast<std::uint64_t>(INT64_MAX)
                                  ? -1
                                  : pread(m_nDescriptor, m_aBlock.data(), m_aBlock.size(),
                                          static_cast<off_t>(nOffset));
        m_aBlock.resize(nRead > 0 ? static_cast<std::size_t>(nRead) : 0);
        m_nBlockOffset = nOffset;
    }

    int m_nDescriptor;
    std::uint64_t m_nBlockOffset = 0;
    std::vector<std::uint8_t> m_aBlock;
};
} // namespace

std::optional<SVersionWords> ReadEmbeddedVersion(const std::wstring& strPath)
{
    // O_NONBLOCK: opening a FIFO handed over as the path must not hang the caller.
    CUniqueFd file(open(WideToUtf8(strPath).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.Get() < 0)
    {
        return std::nullopt;
    }
    CBlockReader reader(file.Get());
    const FReadBytes fnRead =
        [&reader](std::uint64_t nOffset, std::size_t nSize, std::uint8_t* pBuffer)
    { return reader.Read(nOffset, nSize, pBuffer); };
    const std::optional<SElfSection> section = FindElfSection(fnRead, kVersionSectionName);
    if (!section)
    {
        return std::nullopt;
    }
    return ParseVersionRecord(section->aBytes, section->bBigEndian);
}
