#include "ui/cli/CProgressLine.h"

#include "run/CRigvetDlg.h"
#include "support/FakeQualificationSteps.h"
#include "support/RecordingView.h"
#include "ui/cli/CRunProgress.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>

using ::testing::ElementsAre;

namespace
{
// What erasing a line of that many characters writes. Appended, as GCC 12 warns falsely
// (-Wrestrict) on "literal" + string.
std::string Erased(std::size_t nLength)
{
    std::string strText(1, '\r');
    strText.append(nLength, ' ');
    strText += '\r';
    return strText;
}

// A progress line without its ticker, on a clock that the test moves.
class CProgressLineTest : public ::testing::Test
{
protected:
    CProgressLineTest() : m_line(m_output, true, false, [this] { return m_now; }) {}

    std::string Take()
    {
        std::string strText = m_output.str();
        m_output.str("");
        return strText;
    }

    std::ostringstream m_output;
    CProgressLine::CClock::time_point m_now{};
    CProgressLine m_line;
};
} // namespace

TEST(FormatProgressLine, StepAndSeconds)
{
    EXPECT_EQ(FormatProgressLine(L"Collecting diagnostics", 0), "Collecting diagnostics... 0 s");
    EXPECT_EQ(FormatProgressLine(L"Asking the internet time server", 31),
              "Asking the internet time server... 31 s");
}

TEST_F(CProgressLineTest, DrawsInPlaceAndErasesAtTheEnd)
{
    m_line.SetStep(L"Early"); // before Start nothing is shown
    m_line.Start();
    EXPECT_EQ(Take(), "\rEarly... 0 s");
    m_now += std::chrono::milliseconds(2500);
    m_line.SetStep(L"Collecting diagnostics");
    EXPECT_EQ(Take(), "\rCollecting diagnostics... 2 s");
    m_line.SetStep(L"Collecting diagnostics"); // nothing new to show
    EXPECT_EQ(Take(), "");
    m_line.SetStep(L"Reading");
    // The shorter line covers what the longer one left behind.
    std::string strCovered = "\rReading... 2 s";
    strCovered.append(15, ' ');
    strCovered.append(15, '\b');
    EXPECT_EQ(Take(), strCovered);
    m_line.Stop();
    EXPECT_EQ(Take(), Erased(14));
    m_line.SetStep(L"After");
    m_line.Stop();
    EXPECT_EQ(Take(), "");
}

TEST_F(CProgressLineTest, PauseClearsTheLineAndHoldsItOff)
{
    m_line.Start();
    m_line.SetStep(L"Work");
    Take();
    {
        const CProgressLine::CPause pause(m_line);
        EXPECT_EQ(Take(), Erased(11));
        m_line.SetStep(L"Other");
        EXPECT_EQ(Take(), "");
    }
    m_line.SetStep(L"Other");
    EXPECT_EQ(Take(), "\rOther... 0 s");
}

TEST(CProgressLine, DisabledLineWritesNothing)
{
    std::ostringstream output;
    CProgressLine line(output, false);
    line.Start();
    line.SetStep(L"Collecting diagnostics");
    {
        const CProgressLine::CPause pause(line);
    }
    line.Stop();
    EXPECT_EQ(output.str(), "");
}

TEST(CProgressLine, TickerRedrawsUntilStopped)
{
    std::ostringstream output;
    {
        CProgressLine line(output, true);
        line.Start();
        line.SetStep(L"Collecting diagnostics");
        line.Stop();
    }
    // Whatever the ticker drew, the line ends erased.
    EXPECT_THAT(output.str(), ::testing::StartsWith("\rCollecting diagnostics... 0 s"));
    EXPECT_THAT(output.str(), ::testing::EndsWith(Erased(29).substr(1)));
}

// A whole run on Windows 7, so that every long step is announced, each as it begins.
TEST(CRunProgress, ShowsEachStepOfTheRunOnTheLine)
{
    std::ostringstream output;
    CProgressLine line(output, true, false);
    line.Start();
    CFakeQualificationSteps steps;
    steps.m_osVersion = {6, 1, 1};
    steps.InstallRequiredUpdates();
    CRecordingView view;
    CRunProgress progress(line);
    CRigvetDlg dialog(view, steps, &progress);
    dialog.RunQualification();

    std::vector<std::string> aShown;
    std::istringstream drawn(output.str());
    for (std::string strPart; std::getline(drawn, strPart, '\r');)
    {
        const std::size_t nEnd = strPart.find("...");
        if (nEnd != std::string::npos)
        {
            aShown.push_back(strPart.substr(0, nEnd));
        }
    }
    EXPECT_THAT(aShown,
                ElementsAre("Preparing the work folder", "Collecting diagnostics",
                            "Reading the diagnostics report", "Searching the installed updates",
                            "Asking the internet time server"));
}
