#include "clock/InternetTimeSource.h"
#include "support/ModulePath.h"
#include "support/TextConvert.h"
#include "support/UserAgent.h"
#include "ui/CSystemSteps.h"
#include "ui/OverrideCheck.h"
#include "ui/cli/CRigvetCliApp.h"

#include <iostream>
#include <unistd.h>

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
    g_strUserAgent = BuildUserAgent(GetModulePath());
    CSystemSteps steps;
    const SCliStreams streams{std::cin, std::cout, std::cerr, isatty(STDIN_FILENO) != 0};
    return RunRigvetCli(aArguments, streams, steps);
}
