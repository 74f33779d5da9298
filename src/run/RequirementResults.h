#pragma once

#include "run/RequirementResult.h"

#include <string>
#include <vector>

// The six rows of a result: verdict, the value judged and, for FAIL and UNK, the reason.

std::vector<SRequirementResult> DescribeLiveRun(const SLiveRunBasis& basis);
std::vector<SRequirementResult> DescribeReport(const SReportBasis& basis);

// The items of the required-updates list, trimmed.
std::vector<std::wstring> GetRequiredArticles();

// The required articles that occur in the list of ids the update search returned (joined by
// ","), in the required order.
std::vector<std::wstring> FindRequiredArticles(const std::wstring& strFound);
