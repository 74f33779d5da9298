#include "ui/cli/CliSystemRun.h"

#include "run/CSystemSteps.h"
#include "support/CFileVersion.h"
#include "support/ModulePath.h"
#include "support/UserAgent.h"
#include "ui/OverrideCheck.h"
#include "ui/cli/CRigvetCliApp.h"
#include "ui/cli/CliExitCodes.h"
#include "ui/cli/ConsoleTerminal.h"
#include "ui/cli/MachineName.h"

#include <cstdlib>

int RunRigvetCliOnSystem(const std::vector<std::wstring>& aArguments, std::istream& input,
                         std::ostream& output, std::ostream& error)
{
    if (const std::optional<std::string> strError = FindInvalidOverride())
    {
        error << "rigvet-cli: " << *strError << "\n";
        return kCliExitUsage;
    }
    const std::wstring strModulePath = GetModulePath();
    CFileVersion version;
    version.Read(strModulePath.empty() ? nullptr : strModulePath.c_str(), false);
    SetUserAgent(version);

    const bool bOutputIsTerminal = IsTerminal(EStandardStream::Output);
    const SCliEnvironment environment{
        input,
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
    return RunRigvetCli(aArguments, environment, steps);
}
