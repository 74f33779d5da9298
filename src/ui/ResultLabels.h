#pragma once

#include "run/Verdict.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// The three words shown beside each requirement.
enum class ELabelWord
{
    Pass,
    Fail,
    Unknown,
};

struct SRgb
{
    std::uint8_t nRed = 0;
    std::uint8_t nGreen = 0;
    std::uint8_t nBlue = 0;
    bool operator==(const SRgb&) const = default;
};

inline constexpr SRgb kLabelGreen = {0, 200, 0};
inline constexpr SRgb kLabelRed = {200, 0, 0};
inline constexpr SRgb kLabelGrey = {100, 100, 100};
inline constexpr SRgb kLabelBlack = {0, 0, 0};

// One of the eighteen result labels, with the control id of the dialog template.
struct SResultLabel
{
    ERequirement requirement;
    ELabelWord word;
    int nControlId;
};

inline constexpr std::array<SResultLabel, 18> g_aResultLabels = {{
    {ERequirement::Display, ELabelWord::Pass, 1001},
    {ERequirement::Display, ELabelWord::Fail, 1002},
    {ERequirement::Display, ELabelWord::Unknown, 1020},
    {ERequirement::Sound, ELabelWord::Pass, 1003},
    {ERequirement::Sound, ELabelWord::Fail, 1004},
    {ERequirement::Sound, ELabelWord::Unknown, 1021},
    {ERequirement::Memory, ELabelWord::Pass, 1005},
    {ERequirement::Memory, ELabelWord::Fail, 1006},
    {ERequirement::Memory, ELabelWord::Unknown, 1023},
    {ERequirement::FreeDisk, ELabelWord::Pass, 1007},
    {ERequirement::FreeDisk, ELabelWord::Fail, 1008},
    {ERequirement::FreeDisk, ELabelWord::Unknown, 1024},
    {ERequirement::Updates, ELabelWord::Pass, 1010},
    {ERequirement::Updates, ELabelWord::Fail, 1011},
    {ERequirement::Updates, ELabelWord::Unknown, 1022},
    {ERequirement::Clock, ELabelWord::Pass, 1018},
    {ERequirement::Clock, ELabelWord::Fail, 1019},
    {ERequirement::Clock, ELabelWord::Unknown, 1025},
}};

// The text colour of a label. verdict is the requirement's verdict of the finished run; it is
// not looked at while bFinished is false.
SRgb GetLabelColour(ERequirement requirement, ELabelWord word, bool bFinished,
                    bool bInternetConsent, EVerdict verdict);

// "PASS", "FAIL" or "UNK".
std::wstring_view GetLabelWordText(ELabelWord word);

// What assistive technology reads for a requirement's row, since colour alone shows the verdict:
// "Display Device: PASS", or "Display Device: not tested yet" while no finished run is shown.
std::wstring GetVerdictDescription(ERequirement requirement, std::optional<EVerdict> verdict);
