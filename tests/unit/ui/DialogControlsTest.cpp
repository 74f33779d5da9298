#include "ui/DialogControls.h"

#include "run/DialogIds.h"

#include <gtest/gtest.h>
#include <set>

namespace
{
struct SLabelCase
{
    int nControlId;
    ERequirement requirement;
    ELabelWord word;
};

class ResultLabelById : public testing::TestWithParam<SLabelCase>
{
};

TEST_P(ResultLabelById, NamesTheRequirementAndWord)
{
    const SResultLabel* pLabel = FindResultLabel(GetParam().nControlId);
    ASSERT_NE(pLabel, nullptr);
    EXPECT_EQ(pLabel->requirement, GetParam().requirement);
    EXPECT_EQ(pLabel->word, GetParam().word);
}

using R = ERequirement;
using W = ELabelWord;

// The template's ids, as the resource script names them.
INSTANTIATE_TEST_SUITE_P(TemplateIds, ResultLabelById,
                         testing::Values(SLabelCase{IDC_DISPLAY_PASS, R::Display, W::Pass},
                                         SLabelCase{IDC_DISPLAY_UNK, R::Display, W::Unknown},
                                         SLabelCase{IDC_SOUND_FAIL, R::Sound, W::Fail},
                                         SLabelCase{IDC_UPDATES_UNK, R::Updates, W::Unknown},
                                         SLabelCase{IDC_MEMORY_FAIL, R::Memory, W::Fail},
                                         SLabelCase{IDC_DISK_PASS, R::FreeDisk, W::Pass},
                                         SLabelCase{IDC_CLOCK_FAIL, R::Clock, W::Fail},
                                         SLabelCase{IDC_CLOCK_UNK, R::Clock, W::Unknown}));

TEST(ResultLabelById, OtherControlsAreNoLabels)
{
    for (int nId : {IDC_RUN_TEST, IDC_RUNNING, IDC_HELP_DISPLAY, 0xFFFF, -1, 0})
    {
        EXPECT_EQ(FindResultLabel(nId), nullptr) << nId;
    }
}

TEST(HelpButtons, EachRequirementHasOneButton)
{
    std::set<ERequirement> explained;
    for (const SRequirementDescriptor* pDescriptor : g_aRequirementDescriptors)
    {
        const int nButtonId = pDescriptor->controls.nHelpButtonId;
        EXPECT_EQ(FindHelpButton(nButtonId), pDescriptor->requirement);
        EXPECT_EQ(FindResultLabel(nButtonId), nullptr);
        explained.insert(pDescriptor->requirement);
    }
    EXPECT_EQ(explained.size(), g_aRequirements.size());
    EXPECT_EQ(FindHelpButton(IDC_HELP_MEMORY), ERequirement::Memory);
    EXPECT_EQ(FindHelpButton(IDC_HELP_CLOCK), ERequirement::Clock);
    EXPECT_FALSE(FindHelpButton(IDC_RUN_TEST).has_value());
    EXPECT_FALSE(FindHelpButton(IDC_DISPLAY_PASS).has_value());
}

TEST(HelpButtons, AreNamedForScreenReaders)
{
    EXPECT_EQ(GetHelpButtonName(ERequirement::Display), L"Explain Display Device");
    EXPECT_EQ(GetHelpButtonName(ERequirement::Clock), L"Explain Accurate System Time");
}
} // namespace
