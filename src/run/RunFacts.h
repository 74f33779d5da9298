#pragma once

#include "diagnostics/SystemIdentity.h"

#include <cstdint>
#include <optional>
#include <string>

// The failure shown in the error box that ended a run: the code of its caption and its text.
struct SRunError
{
    std::int32_t nCode = 0;
    std::wstring strMessage;
    std::wstring strDetail; // why, where more is known than the box says (a report's read error)
    bool operator==(const SRunError&) const = default;
};

// Where a run stopped before its checks, if it did.
enum class ERunStop
{
    None,
    Cancelled,     // Cancel at the consent question
    RemoteSession, // refused: remote session
    OldSystem,     // refused: older than Windows 7 SP1
};

// What a run did besides filling the record, for front ends that report more than the labels
// (the console's reasons, JSON and CSV). Cleared at the start of every run.
struct SRunFacts
{
    ERunStop stop = ERunStop::None;
    std::optional<SRunError> endingError;
    // The code of the box the clock step showed when it could not compare (10002 or 10003).
    std::int32_t nClockFailureCode = 0;
    bool bVirtualizationDetected = false;
    // The report's values reached the record (display, sound, memory, free disk).
    bool bReportEvaluated = false;
    // The articles the update search returned, when it returned.
    std::optional<std::wstring> strUpdatesFound;
    // Who the machine is, as the report names it; set when the report was read.
    std::optional<SSystemIdentity> system;
};
