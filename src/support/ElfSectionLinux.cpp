#include "support/ElfSectionLinux.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <elf.h>
#include <type_traits>

namespace
{
// The section-name table may hold many names; larger ones are not ELF files we wrote.
constexpr std::uint64_t kMaxNameTableSize = 1024 * 1024;

struct SSectionHeader
{
    std::uint32_t nName = 0;
    std::uint32_t nType = 0;
    std::uint64_t nOffset = 0;
    std::uint64_t nSize = 0;
};

// Reads the headers of one ELF class as <elf.h> lays them out, in the file's byte order, which
// need not be this machine's.
template <typename THeader, typename TSection> class CElfReader
{
public:
    CElfReader(const FReadBytes& fnRead, bool bBigEndian)
        : m_fnRead(fnRead), m_bSwap(bBigEndian != (std::endian::native == std::endian::big))
    {
    }

    bool ReadHeader()
    {
        THeader header;
        if (!ReadRecord(0, header))
        {
            return false;
        }
        m_nSectionTable = Host(header.e_shoff);
        m_nEntrySize = Host(header.e_shentsize);
        m_nSectionCount = Host(header.e_shnum);
        m_nNameTableIndex = Host(header.e_shstrndx);
        return m_nSectionTable != 0 && m_nEntrySize >= sizeof(TSection) &&
               m_nNameTableIndex < m_nSectionCount && m_nNameTableIndex < SHN_LORESERVE;
    }

    std::optional<SSectionHeader> ReadSectionHeader(std::uint64_t nIndex) const
    {
        TSection section;
        if (!ReadRecord(m_nSectionTable + nIndex * m_nEntrySize, section))
        {
            return std::nullopt;
        }
        return SSectionHeader{Host(section.sh_name), Host(section.sh_type), Host(section.sh_offset),
                              Host(section.sh_size)};
    }

    std::optional<std::vector<std::uint8_t>> ReadContents(const SSectionHeader& header,
                                                          std::uint64_t nMaxSize) const
    {
        if (header.nType == SHT_NOBITS || header.nSize == 0 || header.nSize > nMaxSize)
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
    template <typename TRecord> bool ReadRecord(std::uint64_t nOffset, TRecord& record) const
    {
        static_assert(std::is_trivially_copyable_v<TRecord>);
        std::uint8_t aBytes[sizeof(TRecord)];
        if (!m_fnRead(nOffset, sizeof(aBytes), aBytes))
        {
            return false;
        }
        std::memcpy(&record, aBytes, sizeof(aBytes));
        return true;
    }

    template <typename TValue> TValue Host(TValue nValue) const
    {
        if (m_bSwap)
        {
            auto* pBytes = reinterpret_cast<std::uint8_t*>(&nValue);
            std::reverse(pBytes, pBytes + sizeof(nValue));
        }
        return nValue;
    }

    const FReadBytes& m_fnRead;
    bool m_bSwap;
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

template <typename THeader, typename TSection>
std::optional<SElfSection> FindSection(const FReadBytes& fnRead, bool bBigEndian,
                                       std::string_view strName)
{
    CElfReader<THeader, TSection> reader(fnRead, bBigEndian);
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
} // namespace

std::optional<SElfSection> FindElfSection(const FReadBytes& fnRead, std::string_view strName)
{
    std::uint8_t aIdent[EI_NIDENT] = {};
    if (!fnRead(0, sizeof(aIdent), aIdent) || std::memcmp(aIdent, ELFMAG, SELFMAG) != 0)
    {
        return std::nullopt;
    }
    const std::uint8_t nData = aIdent[EI_DATA];
    if (nData != ELFDATA2LSB && nData != ELFDATA2MSB)
    {
        return std::nullopt;
    }
    const bool bBigEndian = nData == ELFDATA2MSB;
    switch (aIdent[EI_CLASS])
    {
    case ELFCLASS32:
        return FindSection<Elf32_Ehdr, Elf32_Shdr>(fnRead, bBigEndian, strName);
    case ELFCLASS64:
        return FindSection<Elf64_Ehdr, Elf64_Shdr>(fnRead, bBigEndian, strName);
    default:
        return std::nullopt;
    }
}
