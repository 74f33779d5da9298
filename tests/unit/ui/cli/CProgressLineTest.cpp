#include "ui/cli/CProgressLine.h"

#include "support/FakeQualificationSteps.h"
#include "support/RecordingView.h"
#include "ui/cli/CProgressSteps.h"

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

TEST(CProgressSteps, AnnouncesTheLongStepsAndPassesEveryCallOn)
{
    std::ostringstream output;
    CProgressLine line(output, true, false);
    line.Start();
    CFakeQualificationSteps fake;
    CProgressSteps steps(fake, line);
    std::vector<std::string> aShown;
    const auto Shown = [&]
    {
        std::string strText = output.str();
        output.str("");
        const std::size_t nStart = strText.rfind('\r');
        const std::size_t nEnd = strText.find("...", nStart);
        aShown.push_back(nStart == std::string::npos || nEnd == std::string::npos
                             ? std::string()
                             : strText.substr(nStart + 1, nEnd - nStart - 1));
    };
    steps.CreateWorkFolder();
    Shown();
    steps.CaptureDiagnosticsReport();
    Shown();
    const std::unique_ptr<IXmlDocument> pDocument = steps.LoadDiagnosticsReport(L"r.xml");
    Shown();
    std::wstring strFound;
    fake.m_strUpdatesFound = L"4474419";
    fake.m_bUpdatesInstalled = true;
    EXPECT_TRUE(steps.SearchInstalledUpdates(L"4474419", strFound));
    EXPECT_EQ(strFound, L"4474419");
    Shown();
    EXPECT_EQ(steps.RequestInternetDate(L"agent").nStatusCode, 200);
    Shown();
    EXPECT_THAT(aShown,
                ElementsAre("Preparing the work folder", "Collecting diagnostics",
                            "Reading the diagnostics report", "Searching the installed updates",
                            "Asking the internet time server"));

    TestResults results;
    fake.m_hardware.m_nMemoryMB = 8192;
    fake.m_bVirtualAdapter = true;
    EXPECT_TRUE(steps.EvaluateHardwareReport(*pDocument, results, L"C:\\"));
    EXPECT_EQ(results.m_nMemoryMB, 8192u);
    EXPECT_EQ(steps.GetDriveRoot(L"x"), L"C:\\");
    EXPECT_EQ(steps.GetReportPath(), fake.GetReportPath());
    EXPECT_FALSE(steps.IsRemoteSession());
    EXPECT_TRUE(steps.IsOsVersionOrGreater(6, 2, 0));
    EXPECT_EQ(steps.GetSystemTime(), fake.m_systemTime);
    fake.m_bReportLocked = true;
    EXPECT_TRUE(steps.FileExistsNormalized(L"r.xml"));
    steps.DeleteReportFile(L"r.xml");
    EXPECT_EQ(fake.m_aCalls.back(), "DeleteReportFile");
    steps.ReleaseWorkFolder();
    EXPECT_EQ(fake.m_nReleases, 1);
}
