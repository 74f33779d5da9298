#include "ui/UsageText.h"

#include "support/TextSplit.h"

#include <algorithm>
#include <sstream>

namespace
{
// The term column of --help: terms up to this long share their line with the text.
constexpr std::size_t kTermIndent = 2;
constexpr std::size_t kLongestInlineTerm = 20;
constexpr std::size_t kTermGap = 2;

void AppendOptionLine(std::ostringstream& out, const SManualEntry& option, std::size_t nTextColumn,
                      std::size_t nWidth)
{
    std::string strLine(kTermIndent, ' ');
    strLine += option.strTerm;
    if (strLine.size() + kTermGap > nTextColumn)
    {
        // A long term gets a line of its own, its text starts below it.
        out << strLine << '\n';
        strLine.clear();
    }
    strLine.resize(nTextColumn, ' ');
    out << strLine << WrapText(option.strText, nWidth, nTextColumn) << '\n';
}

std::string FormatExitCodeList(const std::vector<SManualExitCode>& aExitCodes)
{
    std::string strList = "Exit codes:";
    for (std::size_t i = 0; i < aExitCodes.size(); ++i)
    {
        strList += i == 0 ? " " : ", ";
        strList += std::to_string(aExitCodes[i].nCode) + " " + aExitCodes[i].strText;
    }
    return strList + ".";
}

} // namespace

std::string WrapText(std::string_view strText, std::size_t nWidth, std::size_t nIndent)
{
    const std::size_t nRoom = nWidth > nIndent ? nWidth - nIndent : 1;
    std::string strWrapped;
    std::size_t nLineLength = 0;
    for (const std::string_view strWord : SplitWords(strText))
    {
        if (nLineLength > 0 && nLineLength + 1 + strWord.size() > nRoom)
        {
            strWrapped += '\n';
            strWrapped.append(nIndent, ' ');
            nLineLength = 0;
        }
        else if (nLineLength > 0)
        {
            strWrapped += ' ';
            ++nLineLength;
        }
        strWrapped += strWord;
        nLineLength += strWord.size();
    }
    return strWrapped;
}

std::string FormatUsage(const SProgramManual& manual, std::size_t nWidth)
{
    std::ostringstream out;
    const std::string strFirst = "Usage: " + manual.strName + " ";
    for (std::size_t i = 0; i < manual.aSynopsis.size(); ++i)
    {
        out << (i == 0 ? strFirst
                       : std::string(strFirst.size() - manual.strName.size() - 1, ' ') +
                             manual.strName + " ")
            << manual.aSynopsis[i] << '\n';
    }
    if (!manual.aDescription.empty())
    {
        out << WrapText(manual.aDescription.front(), nWidth, 0) << '\n';
    }
    std::size_t nLongestTerm = 0;
    for (const SManualEntry& option : manual.aOptions)
    {
        if (option.strTerm.size() <= kLongestInlineTerm)
        {
            nLongestTerm = std::max(nLongestTerm, option.strTerm.size());
        }
    }
    const std::size_t nTextColumn = kTermIndent + nLongestTerm + kTermGap;
    for (const SManualEntry& option : manual.aOptions)
    {
        AppendOptionLine(out, option, nTextColumn, nWidth);
    }
    out << WrapText(FormatExitCodeList(manual.aExitCodes), nWidth, 0) << '\n';
    out << WrapText("The overrides, files and examples are in the manual page " + manual.strName +
                        "(1) and the README.",
                    nWidth, 0)
        << '\n';
    return out.str();
}
