#include "clock/InternetTimeSource.h"
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

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv)
{
    PrepareInternetTimeSource();
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
