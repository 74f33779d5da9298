#include "diagnostics/DiagnosticsCapture.h"
#include "support/StandardDescriptorsLinux.h"
#include "support/TextConvert.h"
#include "ui/cli/CliSystemRun.h"

#include <csignal>
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
    ReserveStandardDescriptors();
    HandleTerminatingSignals();
    // A reader that closes the pipe early (| head) ends the text output only: the writes to it
    // fail from then on, and the CSV rows and the log are still written whole.
    std::signal(SIGPIPE, SIG_IGN);
    std::vector<std::wstring> aArguments;
    for (int i = 1; i < argc; ++i)
    {
        aArguments.push_back(Utf8ToWide(argv[i]));
    }
    return RunRigvetCliOnSystem(aArguments, std::cin, std::cout, std::cerr);
}
