#include "ui/cli/CConsoleView.h"

#include "run/MessageBoxStyle.h"

#include <gtest/gtest.h>
#include <sstream>

namespace
{
int Ask(const std::string& strTyped, bool bTerminal, std::optional<bool> given,
        std::string* pOutput = nullptr)
{
    std::istringstream input(strTyped);
    std::ostringstream output;
    CConsoleView view(input, output, bTerminal, given);
    const int nAnswer =
        view.ShowMessageBox(L"Do you consent?", L"Internet Consent",
                            MessageBoxStyle::kYesNoCancel | MessageBoxStyle::kIconQuestion);
    if (pOutput != nullptr)
    {
        *pOutput = output.str();
    }
    return nAnswer;
}
} // namespace

TEST(CConsoleView, ConsentAnswers)
{
    EXPECT_EQ(Ask("y\n", true, std::nullopt), MessageBoxAnswer::kYes);
    EXPECT_EQ(Ask("No\n", true, std::nullopt), MessageBoxAnswer::kNo);
    EXPECT_EQ(Ask("c\n", true, std::nullopt), MessageBoxAnswer::kCancel);
    EXPECT_EQ(Ask("what\n\nY\n", true, std::nullopt), MessageBoxAnswer::kYes);
    EXPECT_EQ(Ask("", true, std::nullopt), MessageBoxAnswer::kCancel);
    EXPECT_EQ(Ask("y\n", false, std::nullopt), MessageBoxAnswer::kNo);
    EXPECT_EQ(Ask("", false, true), MessageBoxAnswer::kYes);
    EXPECT_EQ(Ask("y\n", true, false), MessageBoxAnswer::kNo);
}

TEST(CConsoleView, BoxesPrintCaptionAndText)
{
    std::string strOutput;
    Ask("", false, std::nullopt, &strOutput);
    EXPECT_EQ(strOutput.rfind("[Internet Consent]\nDo you consent?\n", 0), 0u);

    std::istringstream input;
    std::ostringstream output;
    CConsoleView view(input, output, true, std::nullopt);
    EXPECT_EQ(view.ShowMessageBox(L"The execution of dxdiag.exe has failed. Ret = -1",
                                  L"Error Occurred - 10005", MessageBoxStyle::kIconError),
              MessageBoxAnswer::kOk);
    EXPECT_EQ(output.str(),
              "[Error Occurred - 10005]\nThe execution of dxdiag.exe has failed. Ret = -1\n\n");
}

TEST(CConsoleView, ProgressShowsWhileBusyAndStepsAsideForBoxes)
{
    std::istringstream input;
    std::ostringstream output;
    CProgressLine progress(output, true, false);
    CConsoleView view(input, output, false, std::nullopt);
    view.AttachProgress(progress);
    view.ShowBusyText(true);
    progress.SetStep(L"Work");
    view.ShowMessageBox(L"Text", L"Caption", MessageBoxStyle::kIconError);
    progress.SetStep(L"More");
    view.ShowBusyText(false);
    EXPECT_EQ(output.str(), "Test is running... please wait a moment...\n\n"
                            "\rWork... 0 s"
                            "\r           \r[Caption]\nText\n\n"
                            "\rMore... 0 s"
                            "\r           \r");
}
