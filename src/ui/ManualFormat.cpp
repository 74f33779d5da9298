#include "ui/ManualFormat.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <vector>

namespace
{
// The term column of --help: terms up to this long share their line with the text.
constexpr std::size_t kTermIndent = 2;
constexpr std::size_t kLongestInlineTerm = 20;
constexpr std::size_t kTermGap = 2;

std::vector<std::string_view> SplitWords(std::string_view strText)
{
    std::vector<std::string_view> aWords;
    std::size_t nPosition = 0;
    while (nPosition < strText.size())
    {
        const std::size_t nStart = strText.find_first_not_of(' ', nPosition);
        if (nStart == std::string_view::npos)
        {
            break;
        }
        const std::size_t nEnd = std::min(strText.find(' ', nStart), strText.size());
        aWords.push_back(strText.substr(nStart, nEnd - nStart));
        nPosition = nEnd;
    }
    return aWords;
}

// The short text of an entry, which --help shows as a phrase, ends as a sentence before its
// detail in the manual.
std::string JoinText(const std::string& strText, const std::string& strDetail)
{
    if (strDetail.empty())
    {
        return strText;
    }
    const bool bEnded =
        !strText.empty() && std::string_view(".:!?").find(strText.back()) != std::string_view::npos;
    return strText + (bEnded ? " " : ". ") + strDetail;
}

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

bool IsPlaceholder(std::string_view strWord)
{
    if (strWord.size() >= 3 && strWord.substr(strWord.size() - 3) == "...")
    {
        strWord.remove_suffix(3);
    }
    return !strWord.empty() &&
           std::all_of(strWord.begin(), strWord.end(),
                       [](char ch)
                       { return std::isupper(static_cast<unsigned char>(ch)) || ch == '_'; });
}

// One word of a term: "--csv" bold, "--consent=yes|no" bold up to the '=', its values italic,
// "FILE..." italic; the brackets and bars around stay plain. For variables, "NAME=VALUE" and a
// lone "NAME" are names in bold, with values italic.
std::string FormatRoffWord(std::string_view strWord, ERoffTerm kind)
{
    const std::size_t nCoreStart = strWord.find_first_not_of("[(|");
    if (nCoreStart == std::string_view::npos)
    {
        return EscapeRoff(strWord);
    }
    const std::size_t nCoreEnd = strWord.find_last_not_of("])|,") + 1;
    const std::string_view strBefore = strWord.substr(0, nCoreStart);
    const std::string_view strCore = strWord.substr(nCoreStart, nCoreEnd - nCoreStart);
    const std::string_view strAfter = strWord.substr(nCoreEnd);
    const std::size_t nEquals = strCore.find('=');
    const std::string_view strName = strCore.substr(0, nEquals);
    std::string strFormatted = EscapeRoff(strBefore);
    const bool bName =
        strCore.front() == '-' || (kind == ERoffTerm::Variables && IsPlaceholder(strName));
    if (bName)
    {
        strFormatted += "\\fB" + EscapeRoff(strName) + "\\fR";
        if (nEquals != std::string_view::npos)
        {
            strFormatted += "=\\fI" + EscapeRoff(strCore.substr(nEquals + 1)) + "\\fR";
        }
    }
    else if (IsPlaceholder(strCore))
    {
        strFormatted += "\\fI" + EscapeRoff(strCore) + "\\fR";
    }
    else
    {
        strFormatted += EscapeRoff(strCore);
    }
    return strFormatted + EscapeRoff(strAfter);
}

void AppendEntries(std::ostringstream& out, const char* pszTitle,
                   const std::vector<SManualEntry>& aEntries, ERoffTerm kind)
{
    if (aEntries.empty())
    {
        return;
    }
    out << ".SH " << pszTitle << '\n';
    for (const SManualEntry& entry : aEntries)
    {
        out << ".TP\n"
            << FormatRoffTerm(entry.strTerm, kind) << '\n'
            << EscapeRoff(JoinText(entry.strText, entry.strDetail)) << '\n';
    }
}

void AppendParagraphs(std::ostringstream& out, const std::vector<std::string>& aParagraphs)
{
    for (std::size_t i = 0; i < aParagraphs.size(); ++i)
    {
        if (i > 0)
        {
            out << ".PP\n";
        }
        out << EscapeRoff(aParagraphs[i]) << '\n';
    }
}

void AppendExitStatus(std::ostringstream& out, const std::vector<SManualExitCode>& aExitCodes)
{
    out << ".SH \"EXIT STATUS\"\n";
    for (const SManualExitCode& exitCode : aExitCodes)
    {
        out << ".TP\n.B " << exitCode.nCode << '\n' << EscapeRoff(exitCode.strText) << '\n';
    }
}

void AppendExamples(std::ostringstream& out, const std::vector<SManualExample>& aExamples)
{
    out << ".SH EXAMPLES\n";
    for (std::size_t i = 0; i < aExamples.size(); ++i)
    {
        if (i > 0)
        {
            out << ".PP\n";
        }
        out << EscapeRoff(aExamples[i].strText) << "\n.PP\n.RS 4\n.nf\n"
            << EscapeRoff(aExamples[i].strCommand) << "\n.fi\n.RE\n";
    }
}

std::string FormatSeeAlso(const std::vector<std::string>& aPages)
{
    std::string strList;
    for (const std::string& strPage : aPages)
    {
        const std::size_t nParenthesis = strPage.find('(');
        strList += strList.empty() ? "" : ",\n";
        strList += "\\fB" + EscapeRoff(strPage.substr(0, nParenthesis)) + "\\fR" +
                   EscapeRoff(strPage.substr(std::min(nParenthesis, strPage.size())));
    }
    return strList;
}

std::string ToUpper(std::string strText)
{
    std::transform(strText.begin(), strText.end(), strText.begin(),
                   [](char ch)
                   { return static_cast<char>(std::toupper(static_cast<unsigned char>(ch))); });
    return strText;
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

std::string FormatManPage(const SProgramManual& manual, const SManualRelease& release)
{
    std::ostringstream out;
    out << ".\\\" Made by rigvet-manpages from the program's own tables: change those, not this.\n"
        << ".TH " << EscapeRoff(ToUpper(manual.strName)) << " 1 " << EscapeRoff(release.strDate)
        << " \"Rigvet " << EscapeRoff(release.strVersion) << "\" \"User Commands\"\n"
        << ".SH NAME\n"
        << EscapeRoff(manual.strName) << " \\- " << EscapeRoff(manual.strSummary) << '\n'
        << ".SH SYNOPSIS\n";
    for (std::size_t i = 0; i < manual.aSynopsis.size(); ++i)
    {
        out << (i > 0 ? ".br\n" : "") << ".B " << EscapeRoff(manual.strName) << '\n'
            << FormatRoffTerm(manual.aSynopsis[i], ERoffTerm::Options) << '\n';
    }
    out << ".SH DESCRIPTION\n";
    AppendParagraphs(out, manual.aDescription);
    AppendEntries(out, "OPTIONS", manual.aOptions, ERoffTerm::Options);
    AppendExitStatus(out, manual.aExitCodes);
    AppendEntries(out, "ENVIRONMENT", manual.aEnvironment, ERoffTerm::Variables);
    AppendEntries(out, "FILES", manual.aFiles, ERoffTerm::Options);
    AppendExamples(out, manual.aExamples);
    for (const SManualSection& section : manual.aNotes)
    {
        out << ".SH \"" << EscapeRoff(section.strTitle) << "\"\n";
        AppendParagraphs(out, section.aParagraphs);
    }
    out << ".SH \"SEE ALSO\"\n" << FormatSeeAlso(manual.aSeeAlso) << '\n';
    return out.str();
}

std::string EscapeRoff(std::string_view strText)
{
    std::string strEscaped;
    if (!strText.empty() && (strText.front() == '.' || strText.front() == '\''))
    {
        strEscaped = "\\&";
    }
    for (const char ch : strText)
    {
        switch (ch)
        {
        case '\\':
            strEscaped += "\\e";
            break;
        case '-':
            strEscaped += "\\-";
            break;
        default:
            strEscaped += ch;
        }
    }
    return strEscaped;
}

std::string FormatRoffTerm(std::string_view strTerm, ERoffTerm kind)
{
    std::string strFormatted;
    for (const std::string_view strWord : SplitWords(strTerm))
    {
        strFormatted += strFormatted.empty() ? "" : " ";
        strFormatted += FormatRoffWord(strWord, kind);
    }
    return strFormatted;
}
