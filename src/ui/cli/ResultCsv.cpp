#include "ui/cli/ResultCsv.h"

#include "run/JudgedValueText.h"
#include "run/OperatingSystemClass.h"
#include "support/TextConvert.h"
#include "ui/cli/CliExitCodes.h"
#include "ui/cli/ResultIds.h"
#include "ui/cli/SystemIdentityResult.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace
{
constexpr const char* kLineEnd = "\r\n";

std::string Join(const std::vector<std::string>& aFields)
{
    std::string strLine;
    for (std::size_t i = 0; i < aFields.size(); ++i)
    {
        if (i > 0)
        {
            strLine += ',';
        }
        strLine += aFields[i];
    }
    strLine += kLineEnd;
    return strLine;
}

std::string FormatValue(const SJudgedValue& value)
{
    switch (value.kind)
    {
    case SJudgedValue::EKind::Decimal:
    {
        const std::wstring strLevel = FormatFeatureLevelNumber(static_cast<float>(value.fDecimal));
        return WideToValidUtf8(strLevel);
    }
    case SJudgedValue::EKind::Integer:
        return std::to_string(value.llInteger);
    case SJudgedValue::EKind::Boolean:
        return value.bValue ? "yes" : "no";
    case SJudgedValue::EKind::Articles:
    {
        std::string strArticles;
        for (const std::wstring& strArticle : value.aArticles)
        {
            if (!strArticles.empty())
            {
                strArticles += ' ';
            }
            strArticles += WideToValidUtf8(strArticle);
        }
        return QuoteCsvField(strArticles);
    }
    case SJudgedValue::EKind::None:
        break;
    }
    return std::string();
}

const SRequirementResult* FindRow(const SQualificationResult& result, ERequirement requirement)
{
    for (const SRequirementResult& row : result.aRequirements)
    {
        if (row.requirement == requirement)
        {
            return &row;
        }
    }
    return nullptr;
}

std::string GetMessage(const SQualificationResult& result)
{
    return result.error ? WideToValidUtf8(result.error->strMessage)
                        : WideToValidUtf8(result.strStopMessage);
}

std::string GetVirtualizationField(const SQualificationResult& result)
{
    if (result.aRequirements.empty())
    {
        return std::string();
    }
    return result.aWarnings.empty() ? "no" : "yes";
}
} // namespace

const char* GetRequirementCsvColumn(ERequirement requirement)
{
    return GetRequirementDescriptor(requirement).pszCsvColumn;
}

std::string GetCsvHeader()
{
    std::vector<std::string> aColumns = {
        "time",           "machine",          "program_version", "source",  "report_path",
        "report_machine", "operating_system", "system_class",    "outcome", "exit_code"};
    for (const SRequirementDescriptor* pDescriptor : g_aRequirementDescriptors)
    {
        aColumns.emplace_back(pDescriptor->pszCsvColumn);
        aColumns.emplace_back(pDescriptor->pszCsvValueColumn);
    }
    for (const char* pszColumn : {"virtualization", "error_code", "message"})
    {
        aColumns.emplace_back(pszColumn);
    }
    for (std::string& strColumn : GetSystemCsvColumns())
    {
        aColumns.push_back(std::move(strColumn));
    }
    return Join(aColumns);
}

std::string FormatCsvRow(const SQualificationResult& result, const SResultContext& context)
{
    const std::optional<SReportSource>& report = result.report;
    std::vector<std::string> aFields = {
        FormatCsvText(WideToValidUtf8(context.strTime)),
        FormatCsvText(WideToValidUtf8(context.strMachineName)),
        FormatCsvText(WideToValidUtf8(context.strProgramVersion)),
        report ? "report" : "live",
        report ? FormatCsvText(WideToValidUtf8(report->strPath)) : "",
        report ? FormatCsvText(WideToValidUtf8(report->strMachineName)) : "",
        report ? FormatCsvText(WideToValidUtf8(report->strOperatingSystem)) : "",
        report && report->systemClass ? WideToValidUtf8(GetSystemClassId(*report->systemClass))
                                      : "",
        GetOutcomeId(result.outcome),
        std::to_string(GetResultExitCode(result)),
    };
    for (const ERequirement requirement : g_aRequirements)
    {
        const SRequirementResult* pRow = FindRow(result, requirement);
        aFields.push_back(pRow != nullptr ? WideToValidUtf8(GetVerdictWord(pRow->verdict)) : "");
        aFields.push_back(pRow != nullptr ? FormatValue(pRow->value) : "");
    }
    aFields.push_back(GetVirtualizationField(result));
    aFields.push_back(result.error ? std::to_string(result.error->nCode) : "");
    aFields.push_back(FormatCsvText(GetMessage(result)));
    for (std::string& strField : FormatSystemCsvFields(result.system))
    {
        aFields.push_back(std::move(strField));
    }
    return Join(aFields);
}

std::string QuoteCsvField(std::string_view strField)
{
    if (strField.find_first_of(",\"\r\n") == std::string_view::npos)
    {
        return std::string(strField);
    }
    std::string strQuoted(1, '"');
    for (const char ch : strField)
    {
        strQuoted += ch;
        if (ch == '"')
        {
            strQuoted += '"';
        }
    }
    strQuoted += '"';
    return strQuoted;
}

std::string FormatCsvText(std::string_view strText)
{
    constexpr std::string_view kFormulaStarts = "=+-@\t\r";
    if (!strText.empty() && kFormulaStarts.find(strText.front()) != std::string_view::npos)
    {
        std::string strGuarded(1, '\'');
        strGuarded += strText;
        return QuoteCsvField(strGuarded);
    }
    return QuoteCsvField(strText);
}
