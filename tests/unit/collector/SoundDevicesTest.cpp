#include "collector/SoundDevices.h"

#include "unit/collector/CollectorFixtures.h"

#include <gtest/gtest.h>

TEST(SoundDevices, CardsGiveDriverAndName)
{
    const std::vector<SAlsaCard> aCards = ParseAlsaCards(ReadCollectorFixture("asound-cards.txt"));
    ASSERT_EQ(aCards.size(), 3U);
    EXPECT_EQ(aCards[0].m_nIndex, 0);
    EXPECT_EQ(aCards[0].m_strDriver, "HDA-Intel");
    EXPECT_EQ(aCards[0].m_strName, "HDA Intel PCH");
    EXPECT_EQ(aCards[2].m_nIndex, 2);
    EXPECT_EQ(aCards[2].m_strDriver, "USB-Audio");
    EXPECT_EQ(aCards[2].m_strName, "USB Audio Device");
}

TEST(SoundDevices, OnlyPlaybackDevicesAreListed)
{
    const std::vector<SSoundDevice> aDevices =
        ParseAlsaPlaybackDevices(ReadCollectorFixture("asound-pcm.txt"),
                                 ParseAlsaCards(ReadCollectorFixture("asound-cards.txt")));
    ASSERT_EQ(aDevices.size(), 4U);
    EXPECT_EQ(aDevices[0].m_strDescription, "ALC892 Analog (HDA Intel PCH)");
    EXPECT_EQ(aDevices[0].m_strDriverName, "HDA-Intel");
    EXPECT_EQ(aDevices[1].m_strDescription, "ALC892 Digital (HDA Intel PCH)");
    EXPECT_EQ(aDevices[2].m_strDescription, "HDMI 0 (HDA NVidia)");
    EXPECT_EQ(aDevices[3].m_strDescription, "HDMI 1 (HDA NVidia)");
}

TEST(SoundDevices, DeviceOfAnUnlistedCardKeepsItsOwnName)
{
    const std::vector<SSoundDevice> aDevices =
        ParseAlsaPlaybackDevices("05-00: Dummy PCM : Dummy PCM : playback 8\n", {});
    ASSERT_EQ(aDevices.size(), 1U);
    EXPECT_EQ(aDevices[0].m_strDescription, "Dummy PCM");
    EXPECT_EQ(aDevices[0].m_strDriverName, "");
}

TEST(SoundDevices, NoPcmTextNoDevice)
{
    EXPECT_TRUE(ParseAlsaPlaybackDevices("", {}).empty());
    EXPECT_TRUE(ParseAlsaPlaybackDevices("garbage line\n\n", {}).empty());
    EXPECT_TRUE(
        ParseAlsaPlaybackDevices("00-00: playback only in name : x : capture 1\n", {}).empty());
}
