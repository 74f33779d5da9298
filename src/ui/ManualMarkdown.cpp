#include "ui/ManualMarkdown.h"

#include "ui/ManPage.h"

#include <sstream>

namespace
{
// A table cell keeps its row: a bar would end the cell.
std::string EscapeCell(std::string_view strText)
{
    std::string strEscaped;
    for (const char ch : strText)
    {
        strEscaped += ch == '|' ? std::string("\\|") : std::string(1, ch);
    }
    return strEscaped;
}

// "-h, --help" as two code spans, so each spelling reads as typed.
std::string FormatTerm(std::string_view strTerm)
{
    std::string strFormatted;
    std::size_t nStart = 0;
    while (nStart <= strTerm.size())
    {
        const std::size_t nComma = strTerm.find(", ", nStart);
        const std::size_t nEnd = nComma == std::string_view::npos ? strTerm.size() : nComma;
        strFormatted +=
            (nStart == 0 ? "`" : ", `") + EscapeCell(strTerm.substr(nStart, nEnd - nStart)) + "`";
        nStart = nEnd + 2;
    }
    return strFormatted;
}

std::string FormatEntries(const char* pszHeading, const std::vector<SManualEntry>& aEntries)
{
    std::ostringstream out;
    out << "| " << pszHeading << " | meaning |\n|---|---|\n";
    for (const SManualEntry& entry : aEntries)
    {
        out << "| " << FormatTerm(entry.strTerm) << " | "
            << EscapeCell(JoinManualText(entry.strText, entry.strDetail)) << " |\n";
    }
    return out.str();
}

std::string BeginMarker(const std::string& strName)
{
    return "<!-- begin " + strName + " -->\n";
}

std::string EndMarker(const std::string& strName)
{
    return "<!-- end " + strName + " -->\n";
}

// Where strLine stands as a whole line, from nFrom on; a marker inside a sentence is text.
std::size_t FindLine(const std::string& strText, const std::string& strLine, std::size_t nFrom)
{
    for (std::size_t nAt = strText.find(strLine, nFrom); nAt != std::string::npos;
         nAt = strText.find(strLine, nAt + 1))
    {
        if (nAt == 0 || strText[nAt - 1] == '\n')
        {
            return nAt;
        }
    }
    return std::string::npos;
}
} // namespace

std::string FormatMarkdownOptions(const SProgramManual& manual)
{
    return FormatEntries("option", manual.aOptions);
}

std::string FormatMarkdownExitCodes(const SProgramManual& manual)
{
    std::ostringstream out;
    out << "| code | meaning |\n|---|---|\n";
    for (const SManualExitCode& exitCode : manual.aExitCodes)
    {
        out << "| " << exitCode.nCode << " | " << EscapeCell(exitCode.strText) << " |\n";
    }
    return out.str();
}

std::string FormatMarkdownEnvironment(const SProgramManual& manual)
{
    return FormatEntries("variable", manual.aEnvironment);
}

SFilledMarkdown FillMarkdownBlocks(std::string_view strDocument,
                                   const std::vector<MarkdownBlock>& aBlocks)
{
    SFilledMarkdown filled{std::string(strDocument), {}};
    for (const auto& [strName, strText] : aBlocks)
    {
        const std::string strBegin = BeginMarker(strName);
        const std::size_t nBegin = FindLine(filled.strText, strBegin, 0);
        const std::size_t nTextStart = nBegin + strBegin.size();
        const std::size_t nEnd = nBegin == std::string::npos
                                     ? std::string::npos
                                     : FindLine(filled.strText, EndMarker(strName), nTextStart);
        if (nEnd == std::string::npos)
        {
            filled.strMissing = strName;
            return filled;
        }
        filled.strText.replace(nTextStart, nEnd - nTextStart, strText);
    }
    return filled;
}
