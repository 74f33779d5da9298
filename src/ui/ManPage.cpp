#include "ui/ManPage.h"

#include "support/TextSplit.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <vector>

namespace
{
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
            << EscapeRoff(JoinManualText(entry.strText, entry.strDetail)) << '\n';
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

std::string JoinManualText(const std::string& strText, const std::string& strDetail)
{
    if (strDetail.empty())
    {
        return strText;
    }
    const bool bEnded =
        !strText.empty() && std::string_view(".:!?").find(strText.back()) != std::string_view::npos;
    return strText + (bEnded ? " " : ". ") + strDetail;
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
