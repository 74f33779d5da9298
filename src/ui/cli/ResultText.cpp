#include "ui/cli/ResultText.h"

#include "run/OperatingSystemClass.h"
#include "support/LoadResourceString.h"
#include "support/StringIds.h"
#include "support/TextConvert.h"
#include "ui/cli/TerminalText.h"

// Text is built by appending: GCC 12 warns falsely (-Wrestrict) on "literal" + string.
namespace
{
constexpr const char* kGreen = "\x1b[32m";
constexpr const char* kRed = "\x1b[31m";
constexpr const char* kReset = "\x1b[0m";

void AppendVerdictWord(std::string& strText, EVerdict verdict, bool bColour)
{
    const bool bColoured = bColour && verdict != EVerdict::Unknown;
    if (bColoured)
    {
        strText += verdict == EVerdict::Pass ? kGreen : kRed;
    }
    strText += WideToUtf8(GetVerdictWord(verdict));
    if (bColoured)
    {
        strText += kReset;
    }
}

// A message box as the console shows it: the caption in brackets, then the text.
void AppendBox(std::string& strText, const std::wstring& strCaption, const std::wstring& strBody)
{
    strText += '[';
    strText += WideToUtf8(strCaption);
    strText += "]\n";
    strText += ToTerminalText(strBody, true);
    strText += '\n';
}

void AppendReportHeading(std::string& strText, const SReportSource& report)
{
    strText += "Report: ";
    strText += ToTerminalText(report.strPath);
    strText += '\n';
    if (report.systemClass)
    {
        strText += "Operating system: ";
        strText += ToTerminalText(report.strOperatingSystem);
        strText += " (";
        strText += WideToUtf8(GetSystemClassId(*report.systemClass));
        strText += ")\n";
    }
}
} // namespace

std::string FormatRequirementRows(const SQualificationResult& result, bool bColour)
{
    std::string strText;
    for (const SRequirementResult& row : result.aRequirements)
    {
        strText += WideToUtf8(GetRequirementName(row.requirement));
        strText += ": ";
        AppendVerdictWord(strText, row.verdict, bColour);
        if (!row.strValueText.empty())
        {
            strText += " (";
            strText += ToTerminalText(row.strValueText);
            strText += ')';
        }
        strText += '\n';
        if (!row.strReason.empty())
        {
            strText += "    ";
            strText += ToTerminalText(row.strReason);
            strText += '\n';
        }
    }
    return strText;
}

std::string FormatReportText(const SQualificationResult& result, bool bColour)
{
    std::string strText;
    if (result.report)
    {
        AppendReportHeading(strText, *result.report);
    }
    if (result.error)
    {
        AppendBox(strText, LoadResourceString(IDS_ERROR_CAPTION, result.error->nCode),
                  result.error->strMessage);
        if (!result.error->strDetail.empty())
        {
            strText += ToTerminalText(result.error->strDetail);
            strText += '\n';
        }
    }
    if (result.stop == ERunStop::OldSystem)
    {
        AppendBox(strText, LoadResourceString(IDS_OS_CAPTION), result.strStopMessage);
    }
    strText += FormatRequirementRows(result, bColour);
    for (const SResultWarning& warning : result.aWarnings)
    {
        AppendBox(strText, LoadResourceString(IDS_VIRTUAL_CAPTION), warning.strMessage);
    }
    strText += '\n';
    return strText;
}
