#include "run/DialogIds.h"
#include "run/JudgedValueText.h"
#include "run/OperatingSystemClass.h"
#include "run/RequiredUpdates.h"
#include "run/RequirementResults.h"
#include "run/RequirementRows.h"
#include "support/StringIds.h"

namespace
{
EVerdict Judge(const TestResults& results, const SRuleContext& context)
{
    return PassIf(context.bWindows8OrLater || results.m_bUpdatesFound);
}

std::wstring GetNotNeededText(ESystemFamily family)
{
    return family == ESystemFamily::Linux ? L"not needed on Linux"
                                          : L"not needed on Windows 8 or later";
}

std::wstring FormatValue(const TestResults& results, EVerdict verdict, ESystemFamily family)
{
    if (results.m_bUpdatesFound)
    {
        return L"required updates installed";
    }
    // Only Windows 8 and later pass without the updates: they need none.
    return verdict == EVerdict::Fail ? L"required updates missing" : GetNotNeededText(family);
}

// The report was read and the run ended on an error before the search returned: the search
// itself failed, which leaves the installed updates unknown rather than missing.
bool DidSearchFail(const SLiveRunBasis& basis)
{
    return !basis.bWindows8OrLater && basis.facts.endingError && basis.facts.bReportEvaluated &&
           !basis.facts.strUpdatesFound;
}

SRequirementResult DescribeUnsearched(const SLiveRunBasis& basis, EVerdict verdict)
{
    SRequirementResult row =
        MakeValueRow(g_updatesRequirement, basis.results, verdict, basis.family);
    if (verdict == EVerdict::Fail && DidSearchFail(basis))
    {
        row.strValueText = L"update search failed";
        row.strReason = L"the search for the installed updates failed";
    }
    else if (verdict == EVerdict::Fail)
    {
        row.strReason = L"the test stopped before the update search";
    }
    return row;
}

SRequirementResult DescribeLive(const SLiveRunBasis& basis, EVerdict verdict)
{
    if (basis.bWindows8OrLater || !basis.facts.strUpdatesFound)
    {
        return DescribeUnsearched(basis, verdict);
    }
    const std::vector<std::wstring> aFound = FindRequiredArticles(*basis.facts.strUpdatesFound);
    SRequirementResult row =
        MakeValueRow(g_updatesRequirement, basis.results, verdict, basis.family);
    row.strValueText = FormatUpdatesFound(GetRequiredArticles(), aFound);
    row.value.kind = SJudgedValue::EKind::Articles;
    row.value.aArticles = aFound;
    row.value.strUnit = L"KB articles";
    if (verdict == EVerdict::Fail)
    {
        row.strReason = std::wstring(L"Windows 7 SP1 needs the updates ") + kRequiredUpdates;
    }
    return row;
}

// A saved report lists no updates, so only a system that needs none passes.
SRequirementResult DescribeReport(const SReportBasis& basis, EVerdict)
{
    SRequirementResult row;
    row.requirement = ERequirement::Updates;
    if (UsesWindows8Rules(basis.systemClass))
    {
        row.verdict = EVerdict::Pass;
        row.strValueText = GetNotNeededText(GetSystemFamily(basis.systemClass));
        return row;
    }
    row.verdict = EVerdict::Unknown;
    row.strValueText = L"not in a saved report";
    row.strReason = basis.systemClass == ESystemClass::Windows7
                        ? L"a saved report does not list the installed updates"
                        : kNoWindowsVersion;
    return row;
}
} // namespace

const SRequirementDescriptor g_updatesRequirement = {
    ERequirement::Updates,
    L"Windows Updates",
    "updates",
    "updates",
    "updates_found",
    IDS_UPDATES_HELP_CAPTION,
    IDS_UPDATES_HELP_TEXT,
    {IDC_UPDATES_PASS, IDC_UPDATES_FAIL, IDC_UPDATES_UNK, IDC_HELP_UPDATES, 0, 2},
    false,
    false,
    false,
    Judge,
    FormatValue,
    DescribeLive,
    DescribeReport,
    {L"Install the missing updates through Windows Update, restart, then run the test again.",
     L"Add the missing updates to the list that RIGVET_UPDATES_FILE names, then run the test "
     L"again.",
     L"Check that the Windows Update service can start, then run the test again.",
     L"Check that the file RIGVET_UPDATES_FILE names can be read, then run the test again."},
};
