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

// The labels of every requirement, PASS, FAIL and UNK, in the order of the requirements.
const std::array<SResultLabel, 3 * g_aRequirementDescriptors.size()>& GetResultLabels();

// The text colour of a label. verdict is the requirement's verdict of the finished run; it is
// not looked at while bFinished is false.
SRgb GetLabelColour(ERequirement requirement, ELabelWord word, bool bFinished,
                    bool bInternetConsent, EVerdict verdict);

// "PASS", "FAIL" or "UNK".
std::wstring_view GetLabelWordText(ELabelWord word);

// What assistive technology reads for a requirement's row, since colour alone shows the verdict:
// "<name>: PASS", or "<name>: not tested yet" while no finished run is shown.
std::wstring GetVerdictDescription(ERequirement requirement, std::optional<EVerdict> verdict);
