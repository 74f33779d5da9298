#include "ui/cli/ResultText.h"

#include "unit/ui/cli/CliResultSamples.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace CliResultSamples;
using ::testing::HasSubstr;
using ::testing::Not;

TEST(ResultText, RowsWithValuesAndReasons)
{
    EXPECT_EQ(FormatRequirementRows(LiveRun(), false),
              "Display Device: PASS (feature level 12.1)\n"
              "Sound Device: PASS (sound device present)\n"
              "Windows Updates: FAIL (4474419, 4536952 installed; 4490628 missing)\n"
              "    Windows 7 SP1 needs the updates 4474419, 4490628, 4536952\n"
              "System Memory: PASS (16384 MB)\n"
              "Free Disk Space: PASS (51234 MB free)\n"
              "Accurate System Time: UNK (not compared)\n"
              "    not compared: no consent to use the internet\n");
}

TEST(ResultText, ColourOnlyOnPassAndFail)
{
    const std::string strText = FormatRequirementRows(LiveRun(), true);
    EXPECT_THAT(strText, HasSubstr("Display Device: \x1b[32mPASS\x1b[0m (feature level 12.1)\n"));
    EXPECT_THAT(strText, HasSubstr("Windows Updates: \x1b[31mFAIL\x1b[0m (4474419"));
    EXPECT_THAT(strText, HasSubstr("Accurate System Time: UNK (not compared)\n"));
    EXPECT_THAT(FormatRequirementRows(LiveRun(), false), Not(HasSubstr("\x1b")));
}

TEST(ResultText, ReportBlocks)
{
    EXPECT_EQ(FormatReportText(UnreadableReport(), false),
              "Report: /srv/reports/bad, \"old\".xml\n"
              "[Error Occurred - -998]\nCould not load the dxdiag XML file\n\n");

    const std::string strJudged = FormatReportText(JudgedReport(), false);
    EXPECT_THAT(strJudged, ::testing::StartsWith(
                               "Report: pc07.xml\nOperating system: Windows 10 Pro 64-bit (10.0, "
                               "Build 19045) (windows8OrLater)\nDisplay Device: PASS"));
    EXPECT_THAT(strJudged, ::testing::EndsWith("    not part of a saved report\n\n"));

    SQualificationResult virtualRun = LiveRun();
    EXPECT_THAT(FormatReportText(virtualRun, false),
                HasSubstr("[Possible Virtualization Detected]\nOne or more virtualized devices "
                          "were detected.\n"));

    SQualificationResult old;
    old.outcome = EResultOutcome::Refused;
    old.stop = ERunStop::OldSystem;
    old.strStopMessage = L"Windows 7 SP1 or greater is needed.";
    old.report =
        SReportSource{L"vista.xml", L"Windows Vista", ESystemClass::OlderThanWindows7Sp1, {}, {}};
    EXPECT_EQ(FormatReportText(old, false),
              "Report: vista.xml\nOperating system: Windows Vista (olderThanWindows7Sp1)\n"
              "[Insufficient Operating System]\nWindows 7 SP1 or greater is needed.\n\n");
}
