#include "ui/ResultLabels.h"

#include <gtest/gtest.h>
#include <set>

namespace
{
struct SColourCase
{
    ERequirement requirement;
    ELabelWord word;
    bool bFinished;
    bool bConsent;
    EVerdict verdict;
    SRgb expected;
};

class LabelColour : public testing::TestWithParam<SColourCase>
{
};

TEST_P(LabelColour, FollowsTheRule)
{
    const SColourCase& test = GetParam();
    EXPECT_EQ(
        GetLabelColour(test.requirement, test.word, test.bFinished, test.bConsent, test.verdict),
        test.expected);
}

using R = ERequirement;
using W = ELabelWord;
using V = EVerdict;

INSTANTIATE_TEST_SUITE_P(PassAndFail, LabelColour,
                         testing::Values(
                             // Only a finished run colours the word of its verdict.
                             SColourCase{R::Display, W::Pass, true, true, V::Pass, kLabelGreen},
                             SColourCase{R::Display, W::Pass, false, true, V::Pass, kLabelGrey},
                             SColourCase{R::Display, W::Pass, true, true, V::Fail, kLabelGrey},
                             SColourCase{R::Memory, W::Fail, true, false, V::Fail, kLabelRed},
                             SColourCase{R::Memory, W::Fail, false, false, V::Fail, kLabelGrey},
                             SColourCase{R::Memory, W::Fail, true, false, V::Pass, kLabelGrey},
                             SColourCase{R::Clock, W::Pass, true, true, V::Pass, kLabelGreen},
                             SColourCase{R::Clock, W::Fail, true, true, V::Fail, kLabelRed},
                             SColourCase{R::Clock, W::Pass, true, false, V::Unknown, kLabelGrey},
                             SColourCase{R::Clock, W::Fail, true, false, V::Unknown, kLabelGrey}));

INSTANTIATE_TEST_SUITE_P(
    Unknown, LabelColour,
    testing::Values(
        // Black until a run finishes, then grey; the clock's stays black without consent.
        SColourCase{R::Display, W::Unknown, false, false, V::Pass, kLabelBlack},
        SColourCase{R::Sound, W::Unknown, true, false, V::Fail, kLabelGrey},
        SColourCase{R::Updates, W::Unknown, true, true, V::Pass, kLabelGrey},
        SColourCase{R::Memory, W::Unknown, false, true, V::Pass, kLabelBlack},
        SColourCase{R::FreeDisk, W::Unknown, true, false, V::Pass, kLabelGrey},
        SColourCase{R::Clock, W::Unknown, true, true, V::Pass, kLabelGrey},
        SColourCase{R::Clock, W::Unknown, true, false, V::Unknown, kLabelBlack},
        SColourCase{R::Clock, W::Unknown, false, true, V::Unknown, kLabelBlack},
        SColourCase{R::Clock, W::Unknown, false, false, V::Unknown, kLabelBlack}));

TEST(LabelColour, ColoursHaveTheirValues)
{
    EXPECT_EQ(kLabelGreen, (SRgb{0, 200, 0}));
    EXPECT_EQ(kLabelRed, (SRgb{200, 0, 0}));
    EXPECT_EQ(kLabelGrey, (SRgb{100, 100, 100}));
    EXPECT_EQ(kLabelBlack, (SRgb{0, 0, 0}));
}

TEST(ResultLabels, EachRequirementHasThreeWordsWithDistinctIds)
{
    std::set<int> ids;
    for (ERequirement requirement : g_aRequirements)
    {
        std::set<ELabelWord> words;
        for (const SResultLabel& label : GetResultLabels())
        {
            if (label.requirement == requirement)
            {
                words.insert(label.word);
            }
            ids.insert(label.nControlId);
        }
        EXPECT_EQ(words.size(), 3u);
    }
    EXPECT_EQ(ids.size(), 18u);
}

TEST(ResultLabels, WordTexts)
{
    EXPECT_EQ(GetLabelWordText(ELabelWord::Pass), L"PASS");
    EXPECT_EQ(GetLabelWordText(ELabelWord::Fail), L"FAIL");
    EXPECT_EQ(GetLabelWordText(ELabelWord::Unknown), L"UNK");
}

TEST(ResultLabels, VerdictDescriptionNamesRowAndVerdict)
{
    EXPECT_EQ(GetVerdictDescription(ERequirement::Display, EVerdict::Pass),
              L"Display Device: PASS");
    EXPECT_EQ(GetVerdictDescription(ERequirement::Clock, EVerdict::Unknown),
              L"Accurate System Time: UNK");
    EXPECT_EQ(GetVerdictDescription(ERequirement::Memory, std::nullopt),
              L"System Memory: not tested yet");
}
} // namespace
