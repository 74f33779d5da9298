#pragma once

#include "run/IQualificationSteps.h"
#include "ui/cli/QualificationResult.h"

#include <functional>
#include <optional>
#include <string>

struct SReportJudgeSettings
{
    // The root whose disk is judged for free space, given on the command line ("D:\").
    std::optional<std::wstring> strDriveRoot;
    // The root a live run on this machine would judge; asked only for reports of rigvet-dxdiag.
    std::function<std::wstring()> GetLiveDriveRoot;
};

// Judges a diagnostics report saved earlier, without capturing anything or using the network.
// Display, sound, memory and the virtual-adapter warning come from the report as in a live run;
// the operating-system class from its OperatingSystem text picks the display and updates rules;
// free disk is that of C: for a report written on Windows and that of the disk a live run would
// judge for one written by rigvet-dxdiag, unless the settings name a root; the clock is UNK. A
// report of a system older than Windows 7 SP1 is refused as a live run there would be. A file
// that cannot be read or parsed gives an Error result; nothing is thrown.
SQualificationResult JudgeSavedReport(const std::wstring& strPath,
                                      const SReportJudgeSettings& settings);

// The root whose disk a live run on this machine would judge. Asking makes no work folder.
std::wstring FindLiveDriveRoot(IQualificationSteps& steps);

// A root as the free-space check compares it, with one backslash at the end: a drive letter in
// upper case ("c:", "C:\\" and "c:/" give "C:\\"), a folder without its trailing slashes
// ("/home/" gives "/home\\", "/" stays "/\\").
std::wstring NormalizeDriveRoot(std::wstring strRoot);

// The root that Windows reports are judged on.
inline constexpr const wchar_t* kWindowsSystemDriveRoot = L"C:\\";
