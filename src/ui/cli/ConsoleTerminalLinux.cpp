#include "ui/cli/ConsoleTerminal.h"

#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace
{
int GetDescriptor(EStandardStream stream)
{
    switch (stream)
    {
    case EStandardStream::Input:
        return STDIN_FILENO;
    case EStandardStream::Output:
        return STDOUT_FILENO;
    case EStandardStream::Error:
        break;
    }
    return STDERR_FILENO;
}
} // namespace

bool IsTerminal(EStandardStream stream)
{
    return isatty(GetDescriptor(stream)) != 0;
}

bool EnableTerminalColours(EStandardStream stream)
{
    // Terminals take the sequences as they are; only one that calls itself dumb does not.
    const char* pszTerm = std::getenv("TERM");
    return IsTerminal(stream) && pszTerm != nullptr && std::strcmp(pszTerm, "dumb") != 0;
}
