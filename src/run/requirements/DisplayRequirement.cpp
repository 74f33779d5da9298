#include "run/DialogIds.h"
#include "run/JudgedValueText.h"
#include "run/RequirementRows.h"
#include "support/StringIds.h"

#include <charconv>

namespace
{
constexpr float kMinimumFeatureLevel = 11.0f;

EVerdict Judge(const TestResults& results, const SRuleContext& context)
{
    return PassIf(!context.bWindows8OrLater || results.m_fFeatureLevel >= kMinimumFeatureLevel);
}

std::wstring FormatValue(const TestResults& results, EVerdict verdict, ESystemFamily)
{
    // Windows 7 passes an adapter whose report lists no level at all; "0.0" would read as one.
    if (verdict == EVerdict::Pass && results.m_fFeatureLevel == 0.0f)
    {
        return L"no feature level listed";
    }
    return L"feature level " + FormatFeatureLevelNumber(results.m_fFeatureLevel);
}

// The level as the decimal number it was read as (12.1, not 12.100000381).
double ToDecimal(float fLevel)
{
    const std::wstring strWide = FormatFeatureLevelNumber(fLevel);
    const std::string strText(strWide.begin(), strWide.end());
    double fValue = 0.0;
    std::from_chars(strText.data(), strText.data() + strText.size(), fValue);
    return fValue;
}

SRequirementResult DescribeRow(const TestResults& results, EVerdict verdict, ESystemFamily family)
{
    SRequirementResult row = MakeValueRow(g_displayRequirement, results, verdict, family);
    row.value.kind = SJudgedValue::EKind::Decimal;
    row.value.fDecimal = ToDecimal(results.m_fFeatureLevel);
    row.value.strUnit = L"feature level";
    if (verdict == EVerdict::Fail)
    {
        row.strReason =
            family == ESystemFamily::Linux
                ? L"experiments need a display adapter of feature level 11.0 or higher"
                : L"Windows 8 or later needs a display adapter of feature level 11.0 or higher";
    }
    else if (verdict == EVerdict::Unknown)
    {
        row.strReason = std::wstring(kNoWindowsVersion) + L", so the display rule is unknown";
    }
    return row;
}

SRequirementResult DescribeReport(const SReportBasis& basis, EVerdict verdict)
{
    return DescribeRow(basis.results,
                       basis.systemClass == ESystemClass::Unknown ? EVerdict::Unknown : verdict,
                       GetSystemFamily(basis.systemClass));
}
} // namespace

const SRequirementDescriptor g_displayRequirement = {
    ERequirement::Display,
    L"Display Device",
    "display",
    "display",
    "feature_level",
    IDS_DISPLAY_HELP_CAPTION,
    IDS_DISPLAY_HELP_TEXT,
    {IDC_DISPLAY_PASS, IDC_DISPLAY_FAIL, IDC_DISPLAY_UNK, IDC_HELP_DISPLAY, 0, 0},
    true,
    false,
    true,
    Judge,
    FormatValue,
    DescribeLiveRow<DescribeRow>,
    DescribeReport,
    {L"Install the graphics card's current driver, or use a PC whose graphics card supports "
     L"feature level 11.0, then run the test again.",
     L"Install the graphics driver of the card (Mesa or the maker's), or use a PC whose graphics "
     L"card supports feature level 11.0, then run the test again.",
     kReportAdviceWindows, kReportAdviceLinux},
};
