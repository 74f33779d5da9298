#pragma once

#include "ui/cli/QualificationResult.h"

#include <vector>

// Exit codes of rigvet-cli, the same on every platform.
inline constexpr int kCliExitPass = 0;       // every requirement passed
inline constexpr int kCliExitFail = 1;       // at least one FAIL
inline constexpr int kCliExitUnknown = 2;    // no FAIL, at least one UNK
inline constexpr int kCliExitNotRun = 3;     // refused (remote session, old system) or cancelled
inline constexpr int kCliExitError = 4;      // ended on an error box, or a report could not be read
inline constexpr int kCliExitUsage = 64;     // unknown option, bad value, invalid override
inline constexpr int kCliExitCsvFailed = 74; // the CSV file could not be written: a result is lost

// The exit code of one result: its outcome, else FAIL before UNK before PASS.
int GetResultExitCode(const SQualificationResult& result);

// The exit code of a call that produced several: the most serious one, in the order 74, 4, 3, 1,
// 2, 0. Pass for none.
int CombineExitCodes(const std::vector<int>& aCodes);
