#pragma once

#include "diagnostics/WorkFolder.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The exit code that marks a failed capture.
inline constexpr std::int32_t kCaptureFailed = -1;

// How the collector child ended, as far as the platform could tell.
struct SChildOutcome
{
    bool bStarted = false;
    bool bEndedBySignal = false;
    bool bTimedOut = false; // still running when its time was up, and ended for that
    int nExitStatus = 0;    // the exit status of a child that exited
    // POSIX keeps 8 bits of the status, so -1 arrives as 255; Windows keeps the whole 32 bits.
    bool bStatusIs8Bit = true;
};

// The variable that names another collector program in place of the platform's one.
inline constexpr const char* kCollectorVariable = "RIGVET_DXDIAG";
inline constexpr const wchar_t* kCollectorName = L"rigvet-dxdiag";

// How long the collector may run before it is ended and the capture fails. The collector takes
// well under a second; the bound only keeps a hung one from holding the run for ever.
inline constexpr std::chrono::seconds kDefaultCollectorTimeout{300};
inline constexpr std::chrono::seconds kLongestCollectorTimeout{86400};
// Shortens (or lengthens) the bound, for tests of a hung collector: whole seconds.
inline constexpr const char* kCollectorTimeoutVariable = "RIGVET_DXDIAG_TIMEOUT";

// A whole number of seconds from 1 to kLongestCollectorTimeout, in decimal digits only.
std::optional<std::chrono::seconds> ParseCollectorTimeout(std::string_view strText);
// The override when it is set and valid, the default when it is unset, none when it is invalid.
std::optional<std::chrono::seconds> GetCollectorTimeout();
bool IsCollectorTimeoutOverrideInvalid();

// The collector's arguments: skip the driver-signature check, write the XML report to the path.
std::vector<std::wstring> BuildCollectorArguments(const std::wstring& strReportPath);

// A child that did not start, was ended by a signal or ran out of time failed; so did one whose
// status is -1, or 255 where only 8 bits of it are kept. Any other status is the exit code.
std::int32_t GetCaptureExitCode(const SChildOutcome& outcome);

// Runs the collector in the held work folder and waits for it, at most GetCollectorTimeout();
// raises CZelSimpleException(10005) when the exit code is -1.
void CaptureDiagnosticsReport(const IWorkFolder& folder);

// Platform adapter: the collector program to run, and running it with nothing of this process's
// standard streams: its own process (group) in the place's folder (its open folder where it has
// one), ended with everything it started when it runs longer than the timeout.
std::wstring FindCollectorProgram();
SChildOutcome RunCollector(const std::wstring& strProgram,
                           const std::vector<std::wstring>& aArguments,
                           const SCollectorPlace& place, std::chrono::seconds timeout);

// Platform adapter: ends the collector that is running, with everything it started, if one is;
// safe to call from a signal handler, so that a front end that is interrupted leaves nothing
// behind.
void EndRunningCollector();
