#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The exit code that marks a failed capture.
inline constexpr std::int32_t kCaptureFailed = -1;

// How the collector child ended, as far as the platform could tell.
struct SChildOutcome
{
    bool bStarted = false;
    bool bEndedBySignal = false;
    int nExitStatus = 0; // the exit status of a child that exited
    // POSIX keeps 8 bits of the status, so -1 arrives as 255; Windows keeps the whole 32 bits.
    bool bStatusIs8Bit = true;
};

// The variable that names another collector program in place of the platform's one.
inline constexpr const char* kCollectorVariable = "RIGVET_DXDIAG";
inline constexpr const wchar_t* kCollectorName = L"rigvet-dxdiag";

// The collector's arguments: skip the driver-signature check, write the XML report to the path.
std::vector<std::wstring> BuildCollectorArguments(const std::wstring& strReportPath);

// A child that did not start or was ended by a signal failed; so did one whose status is -1, or
// 255 where only 8 bits of it are kept. Any other status is the exit code.
std::int32_t GetCaptureExitCode(const SChildOutcome& outcome);

// Runs the collector in the work folder and waits for it; raises CZelSimpleException(10005) when
// the exit code is -1.
void CaptureDiagnosticsReport();

// Platform adapter: the collector program to run, and running it.
std::wstring FindCollectorProgram();
SChildOutcome RunCollector(const std::wstring& strProgram,
                           const std::vector<std::wstring>& aArguments,
                           const std::wstring& strWorkingDirectory);
