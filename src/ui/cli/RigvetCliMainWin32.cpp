#include "support/ComApartmentWin32.h"
#include "support/CommandLineArgumentsWin32.h"
#include "support/ModulePath.h"
#include "support/UserAgent.h"
#include "ui/CSystemSteps.h"
#include "ui/OverrideCheck.h"
#include "ui/cli/CConsoleOutputWin32.h"
#include "ui/cli/CRigvetCliApp.h"

#include <iostream>
#include <windows.h>

int wmain()
{
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
    g_strUserAgent = BuildUserAgent(GetModulePath());
    CSystemSteps steps;
    const SCliStreams streams{std::cin, output, error, IsConsoleHandle(STD_INPUT_HANDLE)};
    const int nExitCode = RunRigvetCli(ReadCommandLineArguments(), streams, steps);
    output.flush();
    error.flush();
    return nExitCode;
}
