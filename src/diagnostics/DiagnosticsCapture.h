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
    int nExitStatus = 0; // the 8-bit exit status of a child that exited
};

// The variable that names another collector program in place of the one beside this program.
inline constexpr const char* kCollectorVariable = "RIGVET_DXDIAG";
inline constexpr const wchar_t* kCollectorName = L"rigvet-dxdiag";

// The collector's arguments: skip the driver-signature check, write the XML report to the path.
std::vector<std::wstring> BuildCollectorArguments(const std::wstring& strReportPath);

// A child that did not start or was ended by a signal failed; so did one whose 8-bit status is
// 255, which is what exiting with -1 leaves. Any other status is the exit code.
std::int32_t GetCaptureExitCode(const SChildOutcome& outcome);

// Runs the collector in the work folder and waits for it; raises CZelSimpleException(10005) when
// the exit code is -1.
void CaptureDiagnosticsReport();

// Platform adapter: the collector program to run, and running it.
std::wstring FindCollectorProgram();
SChildOutcome RunCollector(const std::wstring& strProgram,
                           const std::vector<std::wstring>& aArguments,
                           const std::wstring& strWorkingDirectory);
