#include "run/RequirementResults.h"

#include "run/OperatingSystemClass.h"
#include "run/RequiredUpdates.h"
#include "support/TextSplit.h"
#include "updates/ListItems.h"

#include <algorithm>

namespace
{
// A value the run never read is no measurement: verdict and value stay as the dialog shows them
// (the record's zero), and the reason says why.
void MarkUnmeasured(SRequirementResult& row)
{
    row.strReason = L"not measured: the test stopped before the diagnostics report was read";
}
} // namespace

std::vector<std::wstring> GetRequiredArticles()
{
    std::vector<std::wstring> aArticles;
    for (const std::wstring_view strItem : SplitFields(kRequiredUpdates, L','))
    {
        aArticles.emplace_back(TrimListItem(strItem));
    }
    return aArticles;
}

std::vector<std::wstring> FindRequiredArticles(const std::wstring& strFound)
{
    const std::vector<std::wstring_view> aIds = SplitFields(strFound, L',');
    std::vector<std::wstring> aFound;
    for (const std::wstring& strArticle : GetRequiredArticles())
    {
        if (std::find(aIds.begin(), aIds.end(), strArticle) != aIds.end())
        {
            aFound.push_back(strArticle);
        }
    }
    return aFound;
}

std::vector<SRequirementResult> DescribeLiveRun(const SLiveRunBasis& basis)
{
    std::vector<SRequirementResult> aRows;
    for (const SRequirementDescriptor* pDescriptor : g_aRequirementDescriptors)
    {
        const EVerdict verdict =
            pDescriptor->Judge(basis.results, {basis.bInternetConsent, basis.bWindows8OrLater});
        aRows.push_back(pDescriptor->DescribeLive(basis, verdict));
        if (!basis.facts.bReportEvaluated && pDescriptor->bReadFromReport)
        {
            MarkUnmeasured(aRows.back());
        }
    }
    return aRows;
}

std::vector<SRequirementResult> DescribeReport(const SReportBasis& basis)
{
    const SRuleContext context = {false, UsesWindows8Rules(basis.systemClass)};
    std::vector<SRequirementResult> aRows;
    for (const SRequirementDescriptor* pDescriptor : g_aRequirementDescriptors)
    {
        aRows.push_back(
            pDescriptor->DescribeReport(basis, pDescriptor->Judge(basis.results, context)));
    }
    return aRows;
}
