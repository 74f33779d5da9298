#include "collector/SoundDevices.h"

#include "collector/CollectorText.h"

#include <charconv>

namespace
{
bool ParseIndex(std::string_view strText, int& nIndex)
{
    strText = TrimText(strText);
    const auto [pStop, error] =
        std::from_chars(strText.data(), strText.data() + strText.size(), nIndex);
    return error == std::errc() && pStop == strText.data() + strText.size();
}

std::vector<std::string_view> SplitFields(std::string_view strText, std::string_view strSeparator)
{
    std::vector<std::string_view> aFields;
    for (;;)
    {
        const std::size_t nAt = strText.find(strSeparator);
        aFields.push_back(TrimText(strText.substr(0, nAt)));
        if (nAt == std::string_view::npos)
        {
            return aFields;
        }
        strText.remove_prefix(nAt + strSeparator.size());
    }
}

const SAlsaCard* FindCard(const std::vector<SAlsaCard>& aCards, int nIndex)
{
    for (const SAlsaCard& card : aCards)
    {
        if (card.m_nIndex == nIndex)
        {
            return &card;
        }
    }
    return nullptr;
}
} // namespace

std::vector<SAlsaCard> ParseAlsaCards(std::string_view strCards)
{
    std::vector<SAlsaCard> aCards;
    for (const std::string_view strLine : SplitLines(strCards))
    {
        const std::size_t nOpen = strLine.find('[');
        const std::size_t nClose = strLine.find("]:");
        SAlsaCard card;
        if (nOpen == std::string_view::npos || nClose == std::string_view::npos || nClose < nOpen ||
            !ParseIndex(strLine.substr(0, nOpen), card.m_nIndex))
        {
            continue; // the second line of a card, with its long name
        }
        const std::string_view strRest = strLine.substr(nClose + 2);
        const std::size_t nDash = strRest.find(" - ");
        card.m_strDriver = TrimText(strRest.substr(0, nDash));
        if (nDash != std::string_view::npos)
        {
            card.m_strName = TrimText(strRest.substr(nDash + 3));
        }
        aCards.push_back(card);
    }
    return aCards;
}

std::vector<SSoundDevice> ParseAlsaPlaybackDevices(std::string_view strPcm,
                                                   const std::vector<SAlsaCard>& aCards)
{
    std::vector<SSoundDevice> aDevices;
    for (const std::string_view strLine : SplitLines(strPcm))
    {
        const std::size_t nColon = strLine.find(':');
        const std::size_t nDash = strLine.find('-');
        int nCard = 0;
        if (nColon == std::string_view::npos || nDash == std::string_view::npos || nDash > nColon ||
            !ParseIndex(strLine.substr(0, nDash), nCard))
        {
            continue;
        }
        const std::vector<std::string_view> aFields =
            SplitFields(strLine.substr(nColon + 1), " : ");
        bool bPlayback = false;
        for (std::size_t i = 2; i < aFields.size(); ++i)
        {
            bPlayback = bPlayback || aFields[i].starts_with("playback");
        }
        if (!bPlayback)
        {
            continue;
        }
        const SAlsaCard* pCard = FindCard(aCards, nCard);
        SSoundDevice device;
        device.m_strDescription = std::string(aFields.size() > 1 ? aFields[1] : aFields[0]);
        if (pCard != nullptr && !pCard->m_strName.empty())
        {
            device.m_strDescription += " (" + pCard->m_strName + ")";
        }
        device.m_strDriverName = pCard != nullptr ? pCard->m_strDriver : std::string();
        aDevices.push_back(device);
    }
    return aDevices;
}
