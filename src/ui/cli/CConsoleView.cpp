#include "ui/cli/CConsoleView.h"

#include "run/MessageBoxStyle.h"
#include "support/TextConvert.h"

#include <string>

CConsoleView::CConsoleView(std::istream& input, std::ostream& output, bool bInputIsTerminal,
                           std::optional<bool> consentAnswer)
    : m_input(input), m_output(output), m_bInputIsTerminal(bInputIsTerminal),
      m_consentAnswer(consentAnswer)
{
}

int CConsoleView::ShowMessageBox(const std::wstring& strText, const std::wstring& strCaption,
                                 unsigned int nStyle)
{
    std::optional<CProgressLine::CPause> pause;
    if (m_pProgress != nullptr)
    {
        pause.emplace(*m_pProgress);
    }
    m_output << "[" << WideToUtf8(strCaption) << "]\n" << WideToUtf8(strText) << "\n";
    const int nAnswer = (nStyle & MessageBoxStyle::kButtonMask) == MessageBoxStyle::kYesNoCancel
                            ? AnswerQuestion()
                            : MessageBoxAnswer::kOk;
    m_output << "\n";
    m_output.flush();
    return nAnswer;
}

void CConsoleView::ShowBusyText(bool bShow)
{
    if (bShow)
    {
        m_output << "Test is running... please wait a moment...\n\n";
        m_output.flush();
    }
    if (m_pProgress != nullptr && bShow)
    {
        m_pProgress->Start();
    }
    else if (m_pProgress != nullptr)
    {
        m_pProgress->Stop();
    }
}

int CConsoleView::AnswerQuestion()
{
    if (m_consentAnswer)
    {
        m_output << "Answer: " << (*m_consentAnswer ? "Yes" : "No") << " (from --consent)\n";
        return *m_consentAnswer ? MessageBoxAnswer::kYes : MessageBoxAnswer::kNo;
    }
    if (!m_bInputIsTerminal)
    {
        m_output << "Answer: No (no terminal to ask; use --consent=yes to allow the internet)\n";
        return MessageBoxAnswer::kNo;
    }
    return AskOnTerminal();
}

int CConsoleView::AskOnTerminal()
{
    for (;;)
    {
        m_output << "Yes, No or Cancel? [y/n/c] ";
        m_output.flush();
        std::string strLine;
        if (!std::getline(m_input, strLine))
        {
            m_output << "\n";
            return MessageBoxAnswer::kCancel; // end of input: do nothing rather than guess
        }
        const char chAnswer = strLine.empty() ? '\0' : static_cast<char>(strLine[0] | 0x20);
        if (chAnswer == 'y')
        {
            return MessageBoxAnswer::kYes;
        }
        if (chAnswer == 'n')
        {
            return MessageBoxAnswer::kNo;
        }
        if (chAnswer == 'c')
        {
            return MessageBoxAnswer::kCancel;
        }
    }
}
