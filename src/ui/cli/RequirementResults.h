#pragma once

#include "run/RunFacts.h"
#include "run/TestResults.h"
#include "ui/cli/QualificationResult.h"

#include <string>
#include <vector>

// The six rows of a result: verdict, the value judged and, for FAIL and UNK, the reason.

// What a finished live run leaves for its rows.
struct SLiveRunBasis
{
    const TestResults& results;
    bool bInternetConsent;
    bool bWindows8OrLater;
    const SRunFacts& facts;
};

std::vector<SRequirementResult> DescribeLiveRun(const SLiveRunBasis& basis);

// What the judgement of a saved report leaves for its rows.
struct SReportBasis
{
    const TestResults& results;
    ESystemClass systemClass;
    // Whether the report lists a disk for the judged root; a free space of 0 then has a reason
    // of its own.
    bool bDriveListed;
    std::wstring strDriveRoot;
};

std::vector<SRequirementResult> DescribeReport(const SReportBasis& basis);

// The items of the required-updates list, trimmed.
std::vector<std::wstring> GetRequiredArticles();

// The required articles that occur in the list of ids the update search returned (joined by
// ","), in the required order.
std::vector<std::wstring> FindRequiredArticles(const std::wstring& strFound);
