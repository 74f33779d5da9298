#include "support/ElfSection.h"

#include <array>

namespace
{
constexpr std::size_t kIdentSize = 16;
constexpr std::uint32_t kSectionTypeNoBits = 8;
constexpr std::uint16_t kSectionIndexReserved = 0xFF00;
// The section-name table may hold many names; larger ones are not ELF files we wrote.
constexpr std::uint64_t kMaxNameTableSize = 1024 * 1024;

// Offsets of the fields used, for one ELF class.
struct SElfLayout
{
    std::size_t nHeaderSize;
    std::size_t nSectionTableOffsetAt;
    std::size_t nWordSize; // size of offsets and section sizes
    std::size_t nSectionEntrySizeAt;
    std::size_t nSectionCountAt;
    std::size_t nNameTableIndexAt;
    std::size_t nMinSectionEntrySize;
    std::size_t nSectionOffsetAt;
    std::size_t nSectionSizeAt;
};

constexpr SElfLayout kElf32 = {52, 0x20, 4, 0x2E, 0x30, 0x32, 40, 0x10, 0x14};
constexpr SElfLayout kElf64 = {64, 0x28, 8, 0x3A, 0x3C, 0x3E, 64, 0x18, 0x20};

struct SSectionHeader
{
    std::uint32_t nName = 0;
    std::uint32_t nType = 0;
    std::uint64_t nOffset = 0;
    std::uint64_t nSize = 0;
};

class CElfReader
{
public:
    CElfReader(const FReadBytes& fnRead, const SElfLayout& layout, bool bBigEndian)
        : m_fnRead(fnRead), m_layout(layout), m_bBigEndian(bBigEndian)
    {
    }

    bool ReadHeader()
    {
        std::vector<std::uint8_t> aHeader(m_layout.nHeaderSize);
        if (!m_fnRead(0, aHeader.size(), aHeader.data()))
        {
            return false;
        }
        m_nSectionTable =
            Decode(aHeader.data() + m_layout.nSectionTableOffsetAt, m_layout.nWordSize);
        m_nEntrySize = Decode(aHeader.data() + m_layout.nSectionEntrySizeAt, 2);
        m_nSectionCount = Decode(aHeader.data() + m_layout.nSectionCountAt, 2);
        m_nNameTableIndex = Decode(aHeader.data() + m_layout.nNameTableIndexAt, 2);
        return m_nSectionTable != 0 && m_nEntrySize >= m_layout.nMinSectionEntrySize &&
               m_nNameTableIndex < m_nSectionCount && m_nNameTableIndex < kSectionIndexReserved;
    }

    std::optional<SSectionHeader> ReadSectionHeader(std::uint64_t nIndex) const
    {
        std::vector<std::uint8_t> aEntry(m_layout.nMinSectionEntrySize);
        if (!m_fnRead(m_nSectionTable + nIndex * m_nEntrySize, aEntry.size(), aEntry.data()))
        {
            return std::nullopt;
        }
        SSectionHeader header;
        header.nName = static_cast<std::uint32_t>(Decode(aEntry.data(), 4));
        header.nType = static_cast<std::uint32_t>(Decode(aEntry.data() + 4, 4));
        header.nOffset = Decode(aEntry.data() + m_layout.nSectionOffsetAt, m_layout.nWordSize);
        header.nSize = Decode(aEntry.data() + m_layout.nSectionSizeAt, m_layout.nWordSize);
        return header;
    }

    std::optional<std::vector<std::uint8_t>> ReadContents(const SSectionHeader& header,
                                                          std::uint64_t nMaxSize) const
    {
        if (header.nType == kSectionTypeNoBits || header.nSize == 0 || header.nSize > nMaxSize)
        {
            return std::nullopt;
        }
        std::vector<std::uint8_t> aBytes(static_cast<std::size_t>(header.nSize));
        if (!m_fnRead(header.nOffset, aBytes.size(), aBytes.data()))
        {
            return std::nullopt;
        }
        return aBytes;
    }

    std::uint64_t SectionCount() const { return m_nSectionCount; }
    std::uint64_t NameTableIndex() const { return m_nNameTableIndex; }

private:
    std::uint64_t Decode(const std::uint8_t* pBytes, std::size_t nSize) const
    {
        std::uint64_t nValue = 0;
        for (std::size_t i = 0; i < nSize; ++i)
        {
            const std::size_t nByte = m_bBigEndian ? i : nSize - 1 - i;
            nValue = (nValue << 8) | pBytes[nByte];
        }
        return nValue;
    }

    const FReadBytes& m_fnRead;
    const SElfLayout& m_layout;
    bool m_bBigEndian;
    std::uint64_t m_nSectionTable = 0;
    std::uint64_t m_nEntrySize = 0;
    std::uint64_t m_nSectionCount = 0;
    std::uint64_t m_nNameTableIndex = 0;
};

bool NameMatches(const std::vector<std::uint8_t>& aNames, std::uint32_t nAt,
                 std::string_view strName)
{
    if (nAt >= aNames.size() || aNames.size() - nAt <= strName.size())
    {
        return false; // the name and its terminator must both lie inside the table
    }
    for (std::size_t i = 0; i < strName.size(); ++i)
    {
        if (aNames[nAt + i] != static_cast<std::uint8_t>(strName[i]))
        {
            return false;
        }
    }
    return aNames[nAt + strName.size()] == 0;
}
} // namespace

std::optional<SElfSection> FindElfSection(const FReadBytes& fnRead, std::string_view strName)
{
    std::array<std::uint8_t, kIdentSize> aIdent{};
    if (!fnRead(0, aIdent.size(), aIdent.data()) || aIdent[0] != 0x7F || aIdent[1] != 'E' ||
        aIdent[2] != 'L' || aIdent[3] != 'F')
    {
        return std::nullopt;
    }
    const std::uint8_t nClass = aIdent[4];
    const std::uint8_t nData = aIdent[5];
    if ((nClass != 1 && nClass != 2) || (nData != 1 && nData != 2))
    {
        return std::nullopt;
    }
    const bool bBigEndian = nData == 2;
    CElfReader reader(fnRead, nClass == 1 ? kElf32 : kElf64, bBigEndian);
    if (!reader.ReadHeader())
    {
        return std::nullopt;
    }
    const std::optional<SSectionHeader> nameTable =
        reader.ReadSectionHeader(reader.NameTableIndex());
    if (!nameTable)
    {
        return std::nullopt;
    }
    const std::optional<std::vector<std::uint8_t>> aNames =
        reader.ReadContents(*nameTable, kMaxNameTableSize);
    if (!aNames)
    {
        return std::nullopt;
    }
    for (std::uint64_t nIndex = 1; nIndex < reader.SectionCount(); ++nIndex)
    {
        const std::optional<SSectionHeader> header = reader.ReadSectionHeader(nIndex);
        if (!header)
        {
            return std::nullopt;
        }
        if (NameMatches(*aNames, header->nName, strName))
        {
            std::optional<std::vector<std::uint8_t>> aBytes =
                reader.ReadContents(*header, kMaxElfSectionSize);
            if (!aBytes)
            {
                return std::nullopt;
            }
            return SElfSection{std::move(*aBytes), bBigEndian};
        }
    }
    return std::nullopt;
}
