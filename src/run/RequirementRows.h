#pragma once

#include "run/RequirementResult.h"

#include <cstdint>
#include <string>

// What the requirements' descriptors share to make their rows.

// Why a rule that depends on the Windows version could not be drawn for a saved report.
inline constexpr const wchar_t* kNoWindowsVersion = L"the report names no usable Windows version";

// The advice for a value that the diagnostics report should have given.
inline constexpr const wchar_t* kReportAdviceWindows =
    L"Check that dxdiag runs on this PC and close other programs, then run the test again.";
inline constexpr const wchar_t* kReportAdviceLinux =
    L"Check that rigvet-dxdiag is installed with rigvet, then run the test again.";

EVerdict PassIf(bool bPass);

// The row with its value text as the descriptor formats it.
SRequirementResult MakeValueRow(const SRequirementDescriptor& descriptor,
                                const TestResults& results, EVerdict verdict, ESystemFamily family);

SJudgedValue MakeInteger(std::int64_t llInteger, std::wstring strUnit);

// The family whose words fit a saved report's system.
ESystemFamily GetSystemFamily(ESystemClass systemClass);

// The row of a requirement that the record, the verdict and the wording alone decide.
using PDescribeRow = SRequirementResult (*)(const TestResults& results, EVerdict verdict,
                                            ESystemFamily family);

// Its row of a live run, worded for the system the run tested.
template <PDescribeRow DescribeRow>
SRequirementResult DescribeLiveRow(const SLiveRunBasis& basis, EVerdict verdict)
{
    return DescribeRow(basis.results, verdict, basis.family);
}

// Its row of a saved report, worded for the system the report describes.
template <PDescribeRow DescribeRow>
SRequirementResult DescribeReportRow(const SReportBasis& basis, EVerdict verdict)
{
    return DescribeRow(basis.results, verdict, GetSystemFamily(basis.systemClass));
}
