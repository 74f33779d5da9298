#include "ui/cli/CRigvetCliApp.h"

#include "support/PathSeparator.h"
#include "support/TextConvert.h"
#include "ui/CRigvetDlg.h"
#include "ui/CommandLine.h"
#include "ui/cli/CConsoleView.h"
#include "ui/cli/JudgedValueText.h"

#include <optional>

namespace
{
constexpr const char* kUsage =
    "Usage: rigvet-cli [--consent=yes|no] [LOGFILE]\n"
    "Runs the PC qualification test once and prints one verdict per requirement.\n"
    "  --consent=yes|no  answer the internet-consent question (default: ask on a terminal,\n"
    "                    otherwise No)\n"
    "  LOGFILE           file that receives the Windows updates found\n";

struct SCliOptions
{
    std::optional<bool> consentAnswer;
    bool bHelp = false;
    std::wstring strLogPath;
    std::string strError;
};

// Where "/" begins a switch (Windows), "/consent=yes", "/help" and "/?" stand for the "--" forms.
std::wstring NormalizeSwitch(const std::wstring& strArgument, bool bPosixPaths)
{
    if (bPosixPaths || strArgument.empty() || strArgument[0] != L'/')
    {
        return strArgument;
    }
    return strArgument == L"/?" ? L"--help" : L"--" + strArgument.substr(1);
}

SCliOptions ParseOptions(const std::vector<std::wstring>& aArguments)
{
    SCliOptions options;
    constexpr std::wstring_view kConsentPrefix = L"--consent=";
    const bool bPosixPaths = GetPathSeparator() == L'/';
    for (const std::wstring& strGiven : aArguments)
    {
        const std::wstring strArgument = NormalizeSwitch(strGiven, bPosixPaths);
        if (strArgument == L"--help" || strArgument == L"-h")
        {
            options.bHelp = true;
        }
        else if (strArgument == L"--consent")
        {
            // Without "=" the answer would be taken for the log path and that file emptied.
            options.strError =
                "--consent takes its answer after '=': --consent=yes or --consent=no";
        }
        else if (strArgument.starts_with(kConsentPrefix))
        {
            const std::wstring strValue = strArgument.substr(kConsentPrefix.size());
            if (strValue == L"yes" || strValue == L"no")
            {
                options.consentAnswer = strValue == L"yes";
            }
            else
            {
                options.strError = "--consent takes yes or no, not '" + WideToUtf8(strValue) + "'";
            }
        }
    }
    options.strLogPath = FindLogPath(aArguments);
    return options;
}

void PrintVerdicts(CRigvetDlg& dialog, std::ostream& output)
{
    for (ERequirement requirement : g_aRequirements)
    {
        const EVerdict verdict = dialog.GetShownVerdict(requirement).value_or(EVerdict::Unknown);
        output << WideToUtf8(GetRequirementName(requirement)) << ": "
               << WideToUtf8(GetVerdictWord(verdict));
        const std::wstring strValue = FormatJudgedValue(requirement, *dialog.m_pResults, verdict);
        if (!strValue.empty())
        {
            output << " (" << WideToUtf8(strValue) << ")";
        }
        output << "\n";
    }
}
} // namespace

int RunRigvetCli(const std::vector<std::wstring>& aArguments, const SCliStreams& streams,
                 IQualificationSteps& steps)
{
    const SCliOptions options = ParseOptions(aArguments);
    if (options.bHelp)
    {
        streams.output << kUsage;
        return kCliExitFinished;
    }
    if (!options.strError.empty())
    {
        streams.error << "rigvet-cli: " << options.strError << "\n" << kUsage;
        return kCliExitUsage;
    }

    CConsoleView view(streams.input, streams.output, streams.bInputIsTerminal,
                      options.consentAnswer);
    CRigvetDlg dialog(view, steps);
    dialog.m_strLogPath = options.strLogPath;
    dialog.RunQualification();
    // The dialog keeps quiet about the log; on the console a script must learn that it is missing.
    if (!dialog.m_logFile.GetProblem().empty())
    {
        streams.error << "rigvet-cli: the log file " << WideToUtf8(options.strLogPath) << " "
                      << dialog.m_logFile.GetProblem() << "\n";
    }
    if (!dialog.m_bFinished)
    {
        streams.output << "No verdicts: the test did not run.\n";
        return kCliExitNotFinished;
    }
    PrintVerdicts(dialog, streams.output);
    return kCliExitFinished;
}
