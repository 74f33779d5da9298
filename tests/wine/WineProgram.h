#pragma once

#include "support/ProgramRunner.h"

#include <string>
#include <vector>

// The Windows build and the Wine prefix the tests use: RIGVET_WINDOWS_BUILD and WINEPREFIX, else
// build/windows and build/wine-prefix of the source tree.
std::string GetWindowsBuildDir();
std::string GetWinePrefix();

// The path by which Windows programs under Wine reach a file of this machine (drive Z:).
std::string ToWinePath(const std::string& strPath);

// Makes the prefix report that Windows version ("win7" or "win10") from the next program start.
void SetWineWindowsVersion(const std::string& strVersion);

// Runs a program of the Windows build's bin folder under Wine in the test prefix.
SProgramResult RunWindowsProgram(const std::string& strProgram,
                                 const std::vector<std::string>& aArguments,
                                 SProgramOptions options = {});

// Runs one of the project's scripts.
SProgramResult RunScript(const std::string& strScript, const std::vector<std::string>& aArguments);
