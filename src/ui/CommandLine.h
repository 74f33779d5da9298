#pragma once

#include <string>
#include <vector>

// True for an argument that is a switch rather than the log path: it begins with "-" or "/".
// Where "/" separates folders (bPosixPaths), an argument that begins with "/" and holds another
// "/" is an absolute path, not a switch.
bool IsSwitchArgument(const std::wstring& strArgument, bool bPosixPaths);

// The log path: the first argument, after the program name, that is not a switch; empty when
// there is none. Later non-switch arguments are ignored.
std::wstring FindLogPath(const std::vector<std::wstring>& aArguments, bool bPosixPaths);

// FindLogPath by the rule of this platform's paths.
std::wstring FindLogPath(const std::vector<std::wstring>& aArguments);

// What the dialog program was asked for: the usage or its version, printed instead of opening
// the dialog, or the dialog itself.
enum class EDialogRequest
{
    Run,
    Help,
    Version,
};

// Help for "-h" or "--help", Version for "--version", whichever comes first; Run otherwise, and
// then every argument is read by FindLogPath.
EDialogRequest FindDialogRequest(const std::vector<std::wstring>& aArguments);
