#pragma once

#include "collector/DiagnosticsReport.h"

#include <string>
#include <string_view>
#include <vector>

// A sound card of /proc/asound/cards: " 0 [PCH            ]: HDA-Intel - HDA Intel PCH".
struct SAlsaCard
{
    int m_nIndex = 0;
    std::string m_strDriver;
    std::string m_strName;
};

std::vector<SAlsaCard> ParseAlsaCards(std::string_view strCards);

// One sound device per line of /proc/asound/pcm that offers playback
// ("00-01: id : name : playback 1 : capture 1"); capture-only devices are left out.
std::vector<SSoundDevice> ParseAlsaPlaybackDevices(std::string_view strPcm,
                                                   const std::vector<SAlsaCard>& aCards);
