#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

// rigvet-cli on this machine, what every platform's main function shares: the overrides are
// checked, the program's version and user agent read, the terminal examined, and the run made
// with the system's own steps. Returns the exit code.
int RunRigvetCliOnSystem(const std::vector<std::wstring>& aArguments, std::istream& input,
                         std::ostream& output, std::ostream& error);
