#include "diagnostics/DiagnosticsCapture.h"
#include "support/ComApartmentWin32.h"
#include "support/CommandLineArgumentsWin32.h"
#include "ui/cli/CConsoleOutputWin32.h"
#include "ui/cli/CliSystemRun.h"

#include <iostream>
#include <windows.h>

namespace
{
// Ends the collector with this program; the system's own handler then ends the program.
BOOL WINAPI EndCollectorOnControl(DWORD)
{
    EndRunningCollector();
    return FALSE;
}
} // namespace

int wmain()
{
    SetConsoleCtrlHandler(EndCollectorOnControl, TRUE);
    CConsoleOutput outputBuffer(STD_OUTPUT_HANDLE);
    CConsoleOutput errorBuffer(STD_ERROR_HANDLE);
    std::ostream output(&outputBuffer);
    std::ostream error(&errorBuffer);
    const CComApartment apartment;
    const int nExitCode = RunRigvetCliOnSystem(ReadCommandLineArguments(), std::cin, output, error);
    output.flush();
    error.flush();
    return nExitCode;
}
