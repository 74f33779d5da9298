#include "run/RequirementRows.h"

EVerdict PassIf(bool bPass)
{
    return bPass ? EVerdict::Pass : EVerdict::Fail;
}

SRequirementResult MakeValueRow(const SRequirementDescriptor& descriptor,
                                const TestResults& results, EVerdict verdict, ESystemFamily family)
{
    SRequirementResult row;
    row.requirement = descriptor.requirement;
    row.verdict = verdict;
    row.strValueText = descriptor.FormatValue(results, verdict, family);
    return row;
}

SJudgedValue MakeInteger(std::int64_t llInteger, std::wstring strUnit)
{
    SJudgedValue value;
    value.kind = SJudgedValue::EKind::Integer;
    value.llInteger = llInteger;
    value.strUnit = std::move(strUnit);
    return value;
}

ESystemFamily GetSystemFamily(ESystemClass systemClass)
{
    return systemClass == ESystemClass::Linux ? ESystemFamily::Linux : ESystemFamily::Windows;
}
