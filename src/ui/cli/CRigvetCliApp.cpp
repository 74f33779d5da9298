#include "ui/cli/CRigvetCliApp.h"

#include "support/PathSeparator.h"
#include "support/TextConvert.h"
#include "ui/CRigvetDlg.h"
#include "ui/cli/AppendFile.h"
#include "ui/cli/CConsoleView.h"
#include "ui/cli/CProgressLine.h"
#include "ui/cli/CProgressSteps.h"
#include "ui/cli/CliExitCodes.h"
#include "ui/cli/CliOptions.h"
#include "ui/cli/LiveRunResult.h"
#include "ui/cli/ResultCsv.h"
#include "ui/cli/ResultJson.h"
#include "ui/cli/ResultText.h"
#include "ui/cli/SavedReportJudgement.h"
#include "ui/cli/UtcTimeText.h"

#include <optional>

namespace
{
// The results of one call on their way out: the CSV file, if any, takes each as it comes.
class CResultSink
{
public:
    CResultSink(const SCliEnvironment& environment, const SResultContext& context)
        : m_environment(environment), m_context(context)
    {
    }

    bool OpenCsv(const std::optional<std::wstring>& strPath)
    {
        if (!strPath)
        {
            return true;
        }
        m_strCsvPath = *strPath;
        m_bCsv = m_csv.Open(*strPath);
        if (!m_bCsv)
        {
            ReportCsvError();
        }
        return m_bCsv;
    }

    void Add(const SQualificationResult& result)
    {
        m_aCodes.push_back(GetResultExitCode(result));
        if (m_bCsv && !m_csv.AppendRecord(GetCsvHeader(), FormatCsvRow(result, m_context)))
        {
            ReportCsvError();
        }
    }

    int Finish()
    {
        if (m_bCsv && !m_csv.Close())
        {
            ReportCsvError();
        }
        return CombineExitCodes(m_aCodes);
    }

private:
    void ReportCsvError()
    {
        m_environment.error << "rigvet-cli: the CSV file " << WideToUtf8(m_strCsvPath)
                            << " could not be written: " << m_csv.GetError() << "\n";
        m_aCodes.push_back(kCliExitCsvFailed);
    }

    const SCliEnvironment& m_environment;
    const SResultContext& m_context;
    CAppendFile m_csv;
    bool m_bCsv = false;
    std::wstring m_strCsvPath;
    std::vector<int> m_aCodes;
};

void PrintExplanations(const SCliEnvironment& environment, IQualificationSteps& steps)
{
    CConsoleView view(environment.input, environment.output, false, std::nullopt);
    CRigvetDlg dialog(view, steps);
    for (const ERequirement requirement : g_aRequirements)
    {
        dialog.ShowRequirementHelp(requirement);
    }
}

void RunLive(const SCliOptions& options, const SCliEnvironment& environment,
             IQualificationSteps& steps, CProgressLine& progress, CResultSink& sink,
             const SResultContext& context)
{
    // Standard output carries nothing but the JSON then; the boxes and the question go beside it.
    std::ostream& boxOutput = options.bJson ? environment.error : environment.output;
    CConsoleView view(environment.input, boxOutput, environment.bInputIsTerminal,
                      options.consentAnswer);
    view.AttachProgress(progress);
    CProgressSteps progressSteps(steps, progress);
    CRigvetDlg dialog(view, progressSteps);
    dialog.m_strLogPath = options.strLogPath;
    dialog.RunQualification();
    // The dialog keeps quiet about the log; on the console a script must learn that it is missing.
    if (!dialog.m_logFile.GetProblem().empty())
    {
        environment.error << "rigvet-cli: the log file " << WideToUtf8(options.strLogPath) << " "
                          << dialog.m_logFile.GetProblem() << "\n";
    }

    const SQualificationResult result =
        DescribeLiveResult(dialog, steps.IsOsVersionOrGreater(6, 2, 0));
    if (options.bJson)
    {
        environment.output << FormatResultJson(result, context);
    }
    else if (!dialog.m_bFinished)
    {
        environment.output << "No verdicts: the test did not run.\n";
    }
    else
    {
        environment.output << FormatRequirementRows(result, environment.bColour);
    }
    environment.output.flush();
    sink.Add(result);
}

void JudgeReports(const SCliOptions& options, const SCliEnvironment& environment,
                  IQualificationSteps& steps, CProgressLine& progress, CResultSink& sink,
                  const SResultContext& context)
{
    SReportJudgeSettings settings;
    if (options.strDriveRoot)
    {
        settings.strDriveRoot = NormalizeDriveRoot(*options.strDriveRoot);
    }
    std::optional<std::wstring> strLiveRoot;
    settings.GetLiveDriveRoot = [&]
    {
        if (!strLiveRoot)
        {
            strLiveRoot = FindLiveDriveRoot(steps);
        }
        return *strLiveRoot;
    };

    std::vector<SQualificationResult> aResults;
    const std::size_t nCount = options.aReportPaths.size();
    progress.Start();
    for (std::size_t i = 0; i < nCount; ++i)
    {
        progress.SetStep(L"Judging report " + std::to_wstring(i + 1) + L" of " +
                         std::to_wstring(nCount));
        SQualificationResult result = JudgeSavedReport(options.aReportPaths[i], settings);
        // A CSV error goes to standard error, where the progress line is.
        const CProgressLine::CPause pause(progress);
        sink.Add(result);
        if (options.bJson)
        {
            aResults.push_back(std::move(result));
            continue;
        }
        environment.output << FormatReportText(result, environment.bColour);
        environment.output.flush();
    }
    progress.Stop();
    if (options.bJson)
    {
        environment.output << FormatResultJsonArray(aResults, context);
        environment.output.flush();
    }
}
} // namespace

int RunRigvetCli(const std::vector<std::wstring>& aArguments, const SCliEnvironment& environment,
                 IQualificationSteps& steps)
{
    const SCliParse parse = ParseCliOptions(aArguments, GetPathSeparator() == L'/');
    const SCliOptions& options = parse.options;
    if (!parse.strError.empty())
    {
        environment.error << "rigvet-cli: " << parse.strError
                          << "\nTry 'rigvet-cli --help' for more information.\n";
        return kCliExitUsage;
    }
    if (options.bHelp)
    {
        environment.output << GetCliUsage();
        return kCliExitPass;
    }
    if (options.bVersion)
    {
        environment.output << "rigvet-cli " << WideToUtf8(environment.strProgramVersion) << "\n";
        return kCliExitPass;
    }
    if (options.bExplain)
    {
        PrintExplanations(environment, steps);
        return kCliExitPass;
    }

    const SResultContext context{FormatUtcTime(std::chrono::system_clock::now()),
                                 environment.strMachineName, environment.strProgramVersion};
    CResultSink sink(environment, context);
    if (!sink.OpenCsv(options.strCsvPath))
    {
        return kCliExitCsvFailed; // before the run, so that no result is made only to be lost
    }
    CProgressLine progress(environment.error, environment.bErrorIsTerminal);
    if (options.aReportPaths.empty())
    {
        RunLive(options, environment, steps, progress, sink, context);
    }
    else
    {
        JudgeReports(options, environment, steps, progress, sink, context);
    }
    return sink.Finish();
}
