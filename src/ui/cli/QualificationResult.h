#pragma once

#include "diagnostics/SystemIdentity.h"
#include "run/RequirementResult.h"
#include "run/RunFacts.h"
#include "run/Verdict.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One qualification as the console reports it: a live run of this machine or the judgement of a
// saved diagnostics report. Every output (text, JSON, CSV) and the exit code are drawn from it.

enum class EResultOutcome
{
    Finished,  // the verdicts were drawn
    Error,     // a failure ended it (a live run still shows the verdicts of what it measured)
    Refused,   // remote session or old system: nothing was tested
    Cancelled, // Cancel at the consent question: nothing was tested
};

struct SResultWarning
{
    std::wstring strId; // "virtualization"
    std::wstring strMessage;
};

// Where a judged report came from and what was read from it besides the verdicts.
struct SReportSource
{
    std::wstring strPath;
    std::wstring strOperatingSystem;         // the report's OperatingSystem text
    std::optional<ESystemClass> systemClass; // none when the report could not be read
    std::wstring strMachineName;             // the report's MachineName text
    std::wstring strDriveRoot;               // the root whose disk was judged for free space
};

struct SQualificationResult
{
    EResultOutcome outcome = EResultOutcome::Finished;
    ERunStop stop = ERunStop::None; // why a Refused or Cancelled run did not test
    std::wstring strStopMessage;    // the text of the refusal box
    std::optional<SRunError> error; // set for Error
    // The six requirements in display order; empty when nothing was judged.
    std::vector<SRequirementResult> aRequirements;
    std::vector<SResultWarning> aWarnings;
    std::optional<SReportSource> report;   // set when a saved report was judged
    std::optional<SSystemIdentity> system; // set when a diagnostics report was read
};

// What every result of one call shares.
struct SResultContext
{
    std::wstring strTime; // UTC, ISO 8601: 2026-03-01T09:15:02Z
    std::wstring strMachineName;
    std::wstring strProgramVersion; // the file version, a.b.c.d
};
