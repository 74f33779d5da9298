#include "support/VersionRecord.h"

#include <gtest/gtest.h>

namespace
{
std::vector<std::uint8_t> RecordBytes(const std::vector<std::uint8_t>& aWords)
{
    std::vector<std::uint8_t> aBytes;
    aBytes.reserve(kVersionMarkerSize + aWords.size());
    for (char chMarker : kVersionMarker)
    {
        aBytes.push_back(static_cast<std::uint8_t>(chMarker));
    }
    for (std::uint8_t nByte : aWords)
    {
        aBytes.push_back(nByte);
    }
    return aBytes;
}

const std::vector<std::uint8_t> kLittleEndianWords = {
    0x01, 0x00, 0x02, 0x00, 0x04, 0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x00};

TEST(VersionRecord, ReadsLittleEndianWords)
{
    const std::optional<SVersionWords> words =
        ParseVersionRecord(RecordBytes(kLittleEndianWords), false);
    ASSERT_TRUE(words);
    EXPECT_EQ(words->dwFileVersionMS, 0x00020001u);
    EXPECT_EQ(words->dwFileVersionLS, 0x00030004u);
    EXPECT_EQ(words->dwProductVersionMS, 0x00020000u);
    EXPECT_EQ(words->dwProductVersionLS, 0x00010000u);
}

TEST(VersionRecord, ReadsBigEndianWords)
{
    const std::optional<SVersionWords> words =
        ParseVersionRecord(RecordBytes(kLittleEndianWords), true);
    ASSERT_TRUE(words);
    EXPECT_EQ(words->dwFileVersionMS, 0x01000200u);
    EXPECT_EQ(words->dwProductVersionLS, 0x00000100u);
}

TEST(VersionRecord, WrongMarkerIsNone)
{
    std::vector<std::uint8_t> aBytes = RecordBytes(kLittleEndianWords);
    aBytes[15] = '2';
    EXPECT_FALSE(ParseVersionRecord(aBytes, false));
}

TEST(VersionRecord, ShortRecordIsNone)
{
    std::vector<std::uint8_t> aBytes = RecordBytes(kLittleEndianWords);
    aBytes.pop_back();
    EXPECT_FALSE(ParseVersionRecord(aBytes, false));
    EXPECT_FALSE(ParseVersionRecord({}, false));
}

TEST(VersionRecord, MakeVersionWordPutsTheFirstNumberHigh)
{
    EXPECT_EQ(MakeVersionWord(1, 0), 0x00010000u);
    EXPECT_EQ(MakeVersionWord(65535, 65535), 0xFFFFFFFFu);
}
} // namespace
