#pragma once

#include <functional>
#include <string>
#include <vector>

// Where an installation keeps the programs' companions, relative to the folder of the front ends:
// the collector with the helper programs ("../libexec/rigvet" for bin/ and libexec/rigvet/ under
// one prefix), the HTTPS client with the private libraries of the architecture
// ("../lib/x86_64-linux-gnu/rigvet"). The build derives both from its install folders, so no
// prefix is written into the programs.
extern const char* const kCollectorInstallFolder;
extern const char* const kModuleInstallFolder;

// Where a companion named strName may be for a front end at strProgramPath, in the order to try:
// beside the program (a build folder, where every program lands in one folder), then
// strInstallFolder relative to the program's folder. Paths are joined and ".." taken lexically;
// "/" separates folders.
std::vector<std::wstring> ListInstalledCandidates(const std::wstring& strProgramPath,
                                                  const std::wstring& strName,
                                                  const std::string& strInstallFolder);

// The first candidate that IsUsable accepts; the first candidate when none is, so that the
// failure to use it names the place a build folder keeps it.
std::wstring ChooseCandidate(const std::vector<std::wstring>& aCandidates,
                             const std::function<bool(const std::wstring&)>& IsUsable);
