#include "ui/cli/ResultJson.h"

#include "run/OperatingSystemClass.h"
#include "support/TextConvert.h"
#include "ui/cli/CliExitCodes.h"
#include "ui/cli/ResultIds.h"
#include "ui/cli/SystemIdentityResult.h"

#include <nlohmann/json.hpp>

namespace
{
using CJson = nlohmann::ordered_json;

CJson TextOrNull(const std::wstring& strText)
{
    return strText.empty() ? CJson(nullptr) : CJson(WideToUtf8(strText));
}

CJson BuildValue(const SJudgedValue& value)
{
    switch (value.kind)
    {
    case SJudgedValue::EKind::Decimal:
        return value.fDecimal;
    case SJudgedValue::EKind::Integer:
        return value.llInteger;
    case SJudgedValue::EKind::Boolean:
        return value.bValue;
    case SJudgedValue::EKind::Articles:
    {
        CJson articles = CJson::array();
        for (const std::wstring& strArticle : value.aArticles)
        {
            articles.push_back(WideToUtf8(strArticle));
        }
        return articles;
    }
    case SJudgedValue::EKind::None:
        break;
    }
    return nullptr;
}

CJson BuildRequirements(const std::vector<SRequirementResult>& aRows)
{
    if (aRows.empty())
    {
        return nullptr;
    }
    CJson requirements = CJson::object();
    for (const SRequirementResult& row : aRows)
    {
        requirements[GetRequirementId(row.requirement)] = {
            {"name", WideToUtf8(GetRequirementName(row.requirement))},
            {"verdict", WideToUtf8(GetVerdictWord(row.verdict))},
            {"value", BuildValue(row.value)},
            {"unit", TextOrNull(row.value.strUnit)},
            {"text", TextOrNull(row.strValueText)},
            {"reason", TextOrNull(row.strReason)},
        };
    }
    return requirements;
}

CJson BuildSource(const SQualificationResult& result)
{
    if (!result.report)
    {
        return {{"kind", "live"}};
    }
    const SReportSource& report = *result.report;
    return {
        {"kind", "report"},
        {"path", WideToUtf8(report.strPath)},
        {"operatingSystem", TextOrNull(report.strOperatingSystem)},
        {"systemClass", report.systemClass
                            ? CJson(WideToUtf8(GetSystemClassId(*report.systemClass)))
                            : CJson(nullptr)},
        {"machine", TextOrNull(report.strMachineName)},
        {"driveRoot", TextOrNull(report.strDriveRoot)},
    };
}

CJson BuildObject(const SQualificationResult& result, const SResultContext& context)
{
    CJson warnings = CJson::array();
    for (const SResultWarning& warning : result.aWarnings)
    {
        warnings.push_back(
            {{"id", WideToUtf8(warning.strId)}, {"message", WideToUtf8(warning.strMessage)}});
    }
    CJson error = nullptr;
    if (result.error)
    {
        error = {{"code", result.error->nCode}, {"message", WideToUtf8(result.error->strMessage)}};
        if (!result.error->strDetail.empty())
        {
            error["detail"] = WideToUtf8(result.error->strDetail);
        }
    }
    CJson stop = nullptr;
    if (result.stop != ERunStop::None)
    {
        stop = {{"reason", GetStopId(result.stop)}, {"message", WideToUtf8(result.strStopMessage)}};
    }
    return {
        {"formatVersion", kResultJsonVersion},
        {"program", {{"name", "rigvet-cli"}, {"version", WideToUtf8(context.strProgramVersion)}}},
        {"machine", WideToUtf8(context.strMachineName)},
        {"time", WideToUtf8(context.strTime)},
        {"source", BuildSource(result)},
        {"outcome", GetOutcomeId(result.outcome)},
        {"exitCode", GetResultExitCode(result)},
        {"error", error},
        {"stop", stop},
        {"requirements", BuildRequirements(result.aRequirements)},
        {"warnings", warnings},
        {"system", BuildSystemJson(result.system)},
    };
}

// Text that is not UTF-8 (a name read from another encoding) is written with U+FFFD rather than
// failing the whole output.
std::string Dump(const CJson& json)
{
    return json.dump(2, ' ', false, CJson::error_handler_t::replace) + "\n";
}
} // namespace

std::string FormatResultJson(const SQualificationResult& result, const SResultContext& context)
{
    return Dump(BuildObject(result, context));
}

std::string FormatResultJsonArray(const std::vector<SQualificationResult>& aResults,
                                  const SResultContext& context)
{
    CJson array = CJson::array();
    for (const SQualificationResult& result : aResults)
    {
        array.push_back(BuildObject(result, context));
    }
    return Dump(array);
}
