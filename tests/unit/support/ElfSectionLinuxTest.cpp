#include "support/ElfSectionLinux.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace
{
struct STestSection
{
    std::string strName;
    std::uint32_t nType = 1; // PROGBITS
    std::vector<std::uint8_t> aBytes;
};

// Writes a minimal ELF file: header, section contents, name table, then the section headers.
class CElfBuilder
{
public:
    CElfBuilder(bool b64Bit, bool bBigEndian) : m_b64Bit(b64Bit), m_bBigEndian(bBigEndian) {}

    std::vector<std::uint8_t> Build(const std::vector<STestSection>& aSections)
    {
        const std::size_t nHeaderSize = m_b64Bit ? 64 : 52;
        const std::size_t nEntrySize = m_b64Bit ? 64 : 40;
        std::vector<std::uint8_t> aFile(nHeaderSize, 0);
        std::vector<std::uint8_t> aNames(1, 0);
        std::vector<std::pair<std::size_t, std::size_t>> aPlaces; // offset and name offset
        for (const STestSection& section : aSections)
        {
            aPlaces.emplace_back(aFile.size(), aNames.size());
            aFile.insert(aFile.end(), section.aBytes.begin(), section.aBytes.end());
            aNames.insert(aNames.end(), section.strName.begin(), section.strName.end());
            aNames.push_back(0);
        }
        const std::size_t nNamesName = aNames.size();
        const std::string strNamesName = ".shstrtab";
        aNames.insert(aNames.end(), strNamesName.begin(), strNamesName.end());
        aNames.push_back(0);
        const std::size_t nNamesOffset = aFile.size();
        aFile.insert(aFile.end(), aNames.begin(), aNames.end());

        const std::size_t nTableOffset = aFile.size();
        aFile.resize(aFile.size() + nEntrySize); // section 0 stays empty
        for (std::size_t i = 0; i < aSections.size(); ++i)
        {
            AppendEntry(aFile, nEntrySize, aPlaces[i].second, aSections[i].nType, aPlaces[i].first,
                        aSections[i].aBytes.size());
        }
        AppendEntry(aFile, nEntrySize, nNamesName, 3, nNamesOffset, aNames.size());

        const std::uint8_t aIdent[] = {0x7F,
                                       'E',
                                       'L',
                                       'F',
                                       static_cast<std::uint8_t>(m_b64Bit ? 2 : 1),
                                       static_cast<std::uint8_t>(m_bBigEndian ? 2 : 1),
                                       1};
        std::memcpy(aFile.data(), aIdent, sizeof(aIdent));
        const std::size_t nCount = aSections.size() + 2;
        if (m_b64Bit)
        {
            Put(aFile, 0x28, 8, nTableOffset);
            Put(aFile, 0x3A, 2, nEntrySize);
            Put(aFile, 0x3C, 2, nCount);
            Put(aFile, 0x3E, 2, nCount - 1);
        }
        else
        {
            Put(aFile, 0x20, 4, nTableOffset);
            Put(aFile, 0x2E, 2, nEntrySize);
            Put(aFile, 0x30, 2, nCount);
            Put(aFile, 0x32, 2, nCount - 1);
        }
        return aFile;
    }

private:
    void AppendEntry(std::vector<std::uint8_t>& aFile, std::size_t nEntrySize, std::size_t nName,
                     std::uint32_t nType, std::size_t nOffset, std::size_t nSize)
    {
        const std::size_t nAt = aFile.size();
        aFile.resize(nAt + nEntrySize, 0);
        Put(aFile, nAt, 4, nName);
        Put(aFile, nAt + 4, 4, nType);
        Put(aFile, nAt + (m_b64Bit ? 0x18 : 0x10), m_b64Bit ? 8 : 4, nOffset);
        Put(aFile, nAt + (m_b64Bit ? 0x20 : 0x14), m_b64Bit ? 8 : 4, nSize);
    }

    void Put(std::vector<std::uint8_t>& aFile, std::size_t nAt, std::size_t nSize,
             std::uint64_t nValue)
    {
        for (std::size_t i = 0; i < nSize; ++i)
        {
            const std::size_t nByte = m_bBigEndian ? nSize - 1 - i : i;
            aFile[nAt + nByte] = static_cast<std::uint8_t>(nValue >> (8 * i));
        }
    }

    bool m_b64Bit;
    bool m_bBigEndian;
};

FReadBytes ReaderOf(const std::vector<std::uint8_t>& aFile)
{
    return [&aFile](std::uint64_t nOffset, std::size_t nSize, std::uint8_t* pBuffer)
    {
        if (nOffset > aFile.size() || nSize > aFile.size() - nOffset)
        {
            return false;
        }
        std::memcpy(pBuffer, aFile.data() + nOffset, nSize);
        return true;
    };
}

const std::vector<std::uint8_t> kPayload = {1, 2, 3, 4, 5};

struct SFormat
{
    bool b64Bit;
    bool bBigEndian;
};

class ElfSectionFormats : public testing::TestWithParam<SFormat>
{
};

TEST_P(ElfSectionFormats, FindsTheNamedSectionAmongOthers)
{
    const std::vector<std::uint8_t> aFile = CElfBuilder(GetParam().b64Bit, GetParam().bBigEndian)
                                                .Build({{".text", 1, {9, 9}},
                                                        {".rigvet_version_old", 1, {7}},
                                                        {".rigvet_version", 1, kPayload}});
    const std::optional<SElfSection> section = FindElfSection(ReaderOf(aFile), ".rigvet_version");
    ASSERT_TRUE(section);
    EXPECT_EQ(section->aBytes, kPayload);
    EXPECT_EQ(section->bBigEndian, GetParam().bBigEndian);
}

TEST_P(ElfSectionFormats, MissingSectionIsNone)
{
    const std::vector<std::uint8_t> aFile =
        CElfBuilder(GetParam().b64Bit, GetParam().bBigEndian).Build({{".text", 1, kPayload}});
    EXPECT_FALSE(FindElfSection(ReaderOf(aFile), ".rigvet_version"));
}

INSTANTIATE_TEST_SUITE_P(AllClassesAndByteOrders, ElfSectionFormats,
                         testing::Values(SFormat{true, false}, SFormat{true, true},
                                         SFormat{false, false}, SFormat{false, true}));

TEST(ElfSection, SectionWithoutBytesIsNone)
{
    const std::vector<std::uint8_t> aFile =
        CElfBuilder(true, false).Build({{".rigvet_version", 8, kPayload}}); // NOBITS
    EXPECT_FALSE(FindElfSection(ReaderOf(aFile), ".rigvet_version"));
}

TEST(ElfSection, TooLargeSectionIsNotRead)
{
    const std::vector<std::uint8_t> aFile =
        CElfBuilder(true, false)
            .Build({{".rigvet_version", 1, std::vector<std::uint8_t>(kMaxElfSectionSize + 1, 0)}});
    EXPECT_FALSE(FindElfSection(ReaderOf(aFile), ".rigvet_version"));
}

TEST(ElfSection, NotElfIsNone)
{
    const std::vector<std::uint8_t> aText(200, 'x');
    EXPECT_FALSE(FindElfSection(ReaderOf(aText), ".rigvet_version"));
    EXPECT_FALSE(FindElfSection(ReaderOf({}), ".rigvet_version"));
}

TEST(ElfSection, UnknownClassIsNone)
{
    std::vector<std::uint8_t> aFile =
        CElfBuilder(true, false).Build({{".rigvet_version", 1, kPayload}});
    aFile[4] = 3;
    EXPECT_FALSE(FindElfSection(ReaderOf(aFile), ".rigvet_version"));
}

TEST(ElfSection, EveryTruncationIsNoneWithoutReadingPastTheEnd)
{
    const std::vector<std::uint8_t> aFile =
        CElfBuilder(true, false).Build({{".rigvet_version", 1, kPayload}});
    // The section headers come last, so any shorter file lacks the one that is needed.
    for (std::size_t nSize = 0; nSize < aFile.size(); ++nSize)
    {
        const std::vector<std::uint8_t> aCut(aFile.begin(),
                                             aFile.begin() + static_cast<long>(nSize));
        EXPECT_FALSE(FindElfSection(ReaderOf(aCut), ".rigvet_version")) << nSize;
    }
}

TEST(ElfSection, NameThatRunsOffTheNameTableDoesNotMatch)
{
    std::vector<std::uint8_t> aFile =
        CElfBuilder(true, false).Build({{".rigvet_version", 1, kPayload}});
    // Point the name table's size at the section name without its terminator.
    const std::size_t nTable = aFile[0x28] | (aFile[0x29] << 8);
    const std::size_t nNamesEntry = nTable + 2 * 64;
    aFile[nNamesEntry + 0x20] = 1 + 15; // the leading empty name and ".rigvet_version"
    EXPECT_FALSE(FindElfSection(ReaderOf(aFile), ".rigvet_version"));
}

TEST(ElfSection, NameTableIndexOutOfRangeIsNone)
{
    std::vector<std::uint8_t> aFile =
        CElfBuilder(true, false).Build({{".rigvet_version", 1, kPayload}});
    aFile[0x3E] = 9;
    EXPECT_FALSE(FindElfSection(ReaderOf(aFile), ".rigvet_version"));
}

TEST(ElfSection, SectionOffsetBeyondTheFileIsNone)
{
    std::vector<std::uint8_t> aFile =
        CElfBuilder(true, false).Build({{".rigvet_version", 1, kPayload}});
    const std::size_t nTable = aFile[0x28] | (aFile[0x29] << 8);
    aFile[nTable + 64 + 0x18 + 7] = 0xFF; // the offset of section 1 near 2^64
    EXPECT_FALSE(FindElfSection(ReaderOf(aFile), ".rigvet_version"));
}
} // namespace
