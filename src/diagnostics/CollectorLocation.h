#pragma once

#include <functional>
#include <string>
#include <vector>

// The collector's folder relative to the folder of the front ends in the installed layout
// ("../libexec/rigvet" for bin/ and libexec/rigvet/ under one prefix). The build derives it
// from its install folders, so no prefix is written into the programs.
extern const char* const kCollectorInstallFolder;

// Where the collector may be for a front end at strProgramPath, in the order to try: beside the
// program (a build folder, where every program lands in one folder), then strInstallFolder
// relative to the program's folder. Paths are joined and ".." taken lexically; "/" separates
// folders.
std::vector<std::wstring> ListCollectorCandidates(const std::wstring& strProgramPath,
                                                  const std::wstring& strCollectorName,
                                                  const std::string& strInstallFolder);

// The first candidate that IsRunnable accepts; the first candidate when none is, so that the
// failure to start it names the place a build folder keeps it.
std::wstring ChooseCollectorProgram(const std::vector<std::wstring>& aCandidates,
                                    const std::function<bool(const std::wstring&)>& IsRunnable);
