#include "collector/CollectorCommandLine.h"
#include "collector/MachineSources.h"
#include "collector/ReportWriter.h"
#include "collector/ReportXml.h"
#include "support/StandardDescriptorsLinux.h"

#include <exception>
#include <iostream>

namespace
{
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
} // namespace

int main(int argc, char** argv)
{
    ReserveStandardDescriptors();
    const std::vector<std::string> aArguments(argv + 1, argv + argc);
    if (IsCollectorHelpRequest(aArguments))
    {
        std::cout << GetCollectorUsage();
        return 0;
    }
    const SCollectorCommandLine commandLine = ParseCollectorCommandLine(aArguments);
    if (!commandLine.m_bValid)
    {
        std::cerr << "rigvet-dxdiag: " << commandLine.m_strError << "\n"
                  << "usage: rigvet-dxdiag [/whql:off] /x PATH\n";
        return kExitUsage;
    }
    try
    {
        const std::string strReport =
            FormatReportXml(CollectDiagnosticsReport(), "rigvet-dxdiag " RIGVET_VERSION);
        WriteReportFile(commandLine.m_strReportPath, strReport);
    }
    catch (const std::exception& error)
    {
        std::cerr << "rigvet-dxdiag: " << error.what() << "\n";
        return kExitFailure;
    }
    return 0;
}
