#include "ui/cli/ConsoleTerminal.h"

#include <windows.h>

namespace
{
HANDLE GetStandardHandle(EStandardStream stream)
{
    switch (stream)
    {
    case EStandardStream::Input:
        return GetStdHandle(STD_INPUT_HANDLE);
    case EStandardStream::Output:
        return GetStdHandle(STD_OUTPUT_HANDLE);
    case EStandardStream::Error:
        break;
    }
    return GetStdHandle(STD_ERROR_HANDLE);
}
} // namespace

bool IsTerminal(EStandardStream stream)
{
    // A character device that answers GetConsoleMode is a console; NUL is a character device too.
    DWORD nMode = 0;
    const HANDLE hStream = GetStandardHandle(stream);
    return GetFileType(hStream) == FILE_TYPE_CHAR && GetConsoleMode(hStream, &nMode) != 0;
}

bool EnableTerminalColours(EStandardStream stream)
{
    // Consoles before Windows 10 refuse the mode and would print the sequences as text.
    const HANDLE hStream = GetStandardHandle(stream);
    DWORD nMode = 0;
    if (!IsTerminal(stream) || GetConsoleMode(hStream, &nMode) == 0)
    {
        return false;
    }
    return (nMode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0 ||
           SetConsoleMode(hStream, nMode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}
