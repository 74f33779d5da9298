#include "collector/MachineSources.h"
#include "collector/SoundDevices.h"
#include "collector/SystemFiles.h"

std::vector<SSoundDevice> CollectSoundDevices()
{
    const std::optional<std::string> strPcm = ReadSystemFile("/proc/asound/pcm");
    if (!strPcm)
    {
        return {};
    }
    const std::vector<SAlsaCard> aCards =
        ParseAlsaCards(ReadSystemFile("/proc/asound/cards").value_or(""));
    return ParseAlsaPlaybackDevices(*strPcm, aCards);
}
