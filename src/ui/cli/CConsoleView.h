#pragma once

#include "run/IRunView.h"
#include "ui/cli/CProgressLine.h"

#include <istream>
#include <optional>
#include <ostream>

// Message boxes as text on the terminal. The consent question takes the answer given on the
// command line, else asks on a terminal, else answers No so the network is never used unasked.
// With a progress line attached, the line shows while the run works and steps aside for boxes.
class CConsoleView : public IRunView
{
public:
    CConsoleView(std::istream& input, std::ostream& output, bool bInputIsTerminal,
                 std::optional<bool> consentAnswer);

    void AttachProgress(CProgressLine& progress) { m_pProgress = &progress; }

    int ShowMessageBox(const std::wstring& strText, const std::wstring& strCaption,
                       unsigned int nStyle) override;
    void ShowBusyText(bool bShow) override;
    void EnableRunButton(bool) override {}
    void Invalidate() override {}
    void Repaint() override {}

private:
    int AnswerQuestion();
    int AskOnTerminal();

    std::istream& m_input;
    std::ostream& m_output;
    bool m_bInputIsTerminal;
    std::optional<bool> m_consentAnswer;
    CProgressLine* m_pProgress = nullptr;
};
