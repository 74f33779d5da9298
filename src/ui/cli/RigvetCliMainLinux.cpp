#include "diagnostics/DiagnosticsCapture.h"
#include "support/CFileVersion.h"
#include "support/ModulePath.h"
#include "support/TextConvert.h"
#include "support/UserAgent.h"
#include "ui/CSystemSteps.h"
#include "ui/OverrideCheck.h"
#include "ui/cli/CRigvetCliApp.h"
#include "ui/cli/CliExitCodes.h"
#include "ui/cli/ConsoleTerminal.h"
#include "ui/cli/MachineName.h"

#include <csignal>
#include <cstdlib>
#include <iostream>

namespace
{
// Ends the collector with this program, then lets the signal end this program as it would have
// without the handler, so that the caller sees the usual status.
void EndWithSignal(int nSignal)
{
    EndRunningCollector();
    std::signal(nSignal, SIG_DFL);
    std::raise(nSignal);
}

void HandleTerminatingSignals()
{
    struct sigaction action
    {
    };
    action.sa_handler = EndWithSignal;
    sigemptyset(&action.sa_mask);
    for (int nSignal : {SIGINT, SIGTERM, SIGHUP})
    {
        sigaction(nSignal, &action, nullptr);
    }
}
} // namespace

int main(int argc, char** argv)
{
    HandleTerminatingSignals();
    if (const std::optional<std::string> strError = FindInvalidOverride())
    {
        std::cerr << "rigvet-cli: " << *strError << "\n";
        return kCliExitUsage;
    }
    std::vector<std::wstring> aArguments;
    for (int i = 1; i < argc; ++i)
    {
        aArguments.push_back(Utf8ToWide(argv[i]));
    }
    const std::wstring strModulePath = GetModulePath();
    g_strUserAgent = BuildUserAgent(strModulePath);
    CFileVersion version;
    version.Read(strModulePath.empty() ? nullptr : strModulePath.c_str(), false);

    const bool bOutputIsTerminal = IsTerminal(EStandardStream::Output);
    const SCliEnvironment environment{
        std::cin,
        std::cout,
        std::cerr,
        IsTerminal(EStandardStream::Input),
        IsTerminal(EStandardStream::Error),
        ShouldUseColour(bOutputIsTerminal, EnableTerminalColours(EStandardStream::Output),
                        std::getenv("NO_COLOR")),
        GetMachineName(),
        version.ToString(),
    };
    CSystemSteps steps;
    return RunRigvetCli(aArguments, environment, steps);
}
