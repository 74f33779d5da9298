#pragma once

#include "run/Requirement.h"
#include "run/RunFacts.h"
#include "run/TestResults.h"

#include <cstdint>
#include <string>
#include <vector>

// A requirement's row of a result: verdict, the value judged and, for FAIL and UNK, the reason;
// and what a live run or a saved report leaves for the rows.

// The value a verdict was drawn from, in a form that scripts can read.
struct SJudgedValue
{
    enum class EKind
    {
        None,     // nothing was measured
        Decimal,  // fDecimal, in strUnit (the feature level)
        Integer,  // llInteger, in strUnit (MB, seconds)
        Boolean,  // bValue
        Articles, // aArticles: the required update articles that were found
    };
    EKind kind = EKind::None;
    double fDecimal = 0.0;
    std::int64_t llInteger = 0;
    bool bValue = false;
    std::vector<std::wstring> aArticles;
    std::wstring strUnit;
};

struct SRequirementResult
{
    ERequirement requirement{};
    EVerdict verdict = EVerdict::Unknown;
    SJudgedValue value;
    std::wstring strValueText; // as shown beside the verdict: "feature level 12.1"
    std::wstring strReason;    // for FAIL and UNK: why, in one line; empty for PASS
};

// The operating-system class that picks the display and updates rules of a saved report.
enum class ESystemClass
{
    Windows7,             // Windows 7 SP1 (or Server 2008 R2): the Windows 7 rules
    Windows8OrLater,      // Windows 8, 8.1, 10, 11 and their servers
    OlderThanWindows7Sp1, // refused, as a live run there would be
    Linux,                // written by rigvet-dxdiag; Linux answers as Windows 8 or later
    Unknown,              // the text names no usable version
};

// What a finished live run leaves for its rows.
struct SLiveRunBasis
{
    const TestResults& results;
    bool bInternetConsent;
    bool bWindows8OrLater;
    const SRunFacts& facts;
    ESystemFamily family = ESystemFamily::Windows; // the system the run tested
};

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
