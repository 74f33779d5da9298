#include "clock/InternetTimeSource.h"
#include "clock/TimeServerUrl.h"
#include "run/OsVersionOverride.h"
#include "support/ModulePath.h"
#include "support/TextConvert.h"
#include "support/UserAgent.h"
#include "ui/CSystemSteps.h"
#include "ui/cli/CRigvetCliApp.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv)
{
    PrepareInternetTimeSource();
    if (IsTimeServerUrlOverrideInvalid())
    {
        std::cerr << "rigvet-cli: " << kTimeServerUrlVariable
                  << " must be https://host[:port]/, for example https://127.0.0.1:8443/\n";
        return kCliExitUsage;
    }
    if (IsOsVersionOverrideInvalid())
    {
        std::cerr << "rigvet-cli: " << kOsVersionVariable
                  << " must be major.minor.servicepack, for example 6.1.1\n";
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
