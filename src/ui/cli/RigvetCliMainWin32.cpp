#include "diagnostics/DiagnosticsCapture.h"
#include "support/CFileVersion.h"
#include "support/ComApartmentWin32.h"
#include "support/CommandLineArgumentsWin32.h"
#include "support/ModulePath.h"
#include "support/UserAgent.h"
#include "ui/CSystemSteps.h"
#include "ui/OverrideCheck.h"
#include "ui/cli/CConsoleOutputWin32.h"
#include "ui/cli/CRigvetCliApp.h"
#include "ui/cli/CliExitCodes.h"
#include "ui/cli/ConsoleTerminal.h"
#include "ui/cli/MachineName.h"

#include <cstdlib>
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
    if (const std::optional<std::string> strError = FindInvalidOverride())
    {
        error << "rigvet-cli: " << *strError << "\n";
        return kCliExitUsage;
    }
    const CComApartment apartment;
    const std::wstring strModulePath = GetModulePath();
    g_strUserAgent = BuildUserAgent(strModulePath);
    CFileVersion version;
    version.Read(strModulePath.empty() ? nullptr : strModulePath.c_str(), false);
    const bool bOutputIsTerminal = IsTerminal(EStandardStream::Output);
    const SCliEnvironment environment{
        std::cin,
        output,
        error,
        IsTerminal(EStandardStream::Input),
        IsTerminal(EStandardStream::Error),
        ShouldUseColour(bOutputIsTerminal, EnableTerminalColours(EStandardStream::Output),
                        std::getenv("NO_COLOR")),
        GetMachineName(),
        version.ToString(),
    };
    CSystemSteps steps;
    const int nExitCode = RunRigvetCli(ReadCommandLineArguments(), environment, steps);
    output.flush();
    error.flush();
    return nExitCode;
}
