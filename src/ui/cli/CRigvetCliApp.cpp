#include "ui/cli/CRigvetCliApp.h"

#include "run/CRigvetDlg.h"
#include "support/PathSeparator.h"
#include "support/RegularFile.h"
#include "support/TextConvert.h"
#include "ui/cli/AppendFile.h"
#include "ui/cli/CConsoleView.h"
#include "ui/cli/CProgressLine.h"
#include "ui/cli/CRunProgress.h"
#include "ui/cli/CliExitCodes.h"
#include "ui/cli/CliOptions.h"
#include "ui/cli/FleetSummaryOutput.h"
#include "ui/cli/LiveRunResult.h"
#include "ui/cli/ResultCsv.h"
#include "ui/cli/ResultJson.h"
#include "ui/cli/ResultText.h"
#include "ui/cli/SavedReportJudgement.h"
#include "ui/cli/UtcTimeText.h"

#include <optional>

namespace
{
constexpr const wchar_t* kStandardOutputPath = L"-";

// Where the text of the verdicts and the boxes go: standard output, unless the JSON or the CSV
// rows take it.
std::ostream& GetTextOutput(const SCliOptions& options, const SCliEnvironment& environment)
{
    const bool bCsvToOutput = options.strCsvPath && *options.strCsvPath == kStandardOutputPath;
    return options.bJson || bCsvToOutput ? environment.error : environment.output;
}

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
        if (*strPath == kStandardOutputPath)
        {
            m_bCsvToOutput = true;
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
        if (m_bCsvToOutput)
        {
            m_environment.output << (m_bHeaderWritten ? "" : GetCsvHeader())
                                 << FormatCsvRow(result, m_context);
            m_environment.output.flush();
            m_bHeaderWritten = true;
        }
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
    bool m_bCsvToOutput = false; // "--csv -": the rows go to standard output, after one header
    bool m_bHeaderWritten = false;
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
    std::ostream& boxOutput = GetTextOutput(options, environment);
    CConsoleView view(environment.input, boxOutput, environment.bInputIsTerminal,
                      options.consentAnswer);
    view.AttachProgress(progress);
    CRunProgress runProgress(progress);
    CRigvetDlg dialog(view, steps, &runProgress);
    dialog.m_strLogPath = options.strLogPath;
    dialog.RunQualification();
    // The dialog keeps quiet about the log; on the console a script must learn that it is missing.
    if (!dialog.m_logFile.GetProblem().empty())
    {
        environment.error << "rigvet-cli: the log file " << WideToUtf8(options.strLogPath) << " "
                          << dialog.m_logFile.GetProblem() << "\n";
    }

    const SQualificationResult result =
        DescribeLiveResult(dialog, IsSystemAtLeast(steps, kWindows8));
    if (options.bJson)
    {
        environment.output << FormatResultJson(result, context);
    }
    else if (!dialog.m_bFinished)
    {
        boxOutput << "No verdicts: the test did not run.\n";
    }
    else
    {
        boxOutput << FormatRequirementRows(result, environment.bColour &&
                                                       &boxOutput == &environment.output);
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
        std::ostream& textOutput = GetTextOutput(options, environment);
        textOutput << FormatReportText(result,
                                       environment.bColour && &textOutput == &environment.output);
        textOutput.flush();
    }
    progress.Stop();
    if (options.bJson)
    {
        environment.output << FormatResultJsonArray(aResults, context);
        environment.output.flush();
    }
}
// The CSV files that a summary reads: a fleet's file of many thousand rows is a few megabytes.
constexpr std::size_t kMaxSummaryCsvBytes = 256U << 20U;

int SummarizeCsvFiles(const SCliOptions& options, const SCliEnvironment& environment,
                      const SResultContext& context)
{
    CFleetSummary fleet;
    std::vector<SUnreadableCsv> aUnreadable;
    for (const std::wstring& strPath : options.aSummaryPaths)
    {
        const std::string strUtf8Path = WideToUtf8(strPath);
        const std::optional<std::vector<char>> content =
            ReadRegularFile(strUtf8Path, true, kMaxSummaryCsvBytes);
        std::string strError;
        if (!content)
        {
            strError = "could not be read (missing, no regular file, or larger than 256 MiB)";
        }
        else if (fleet.AddCsv(std::string_view(content->data(), content->size()), strError))
        {
            continue;
        }
        environment.error << "rigvet-cli: the CSV file " << strUtf8Path << " " << strError << "\n";
        aUnreadable.push_back({strUtf8Path, strError});
    }
    const SFleetSummary summary = fleet.Summarize();
    environment.output << (options.bJson ? FormatSummaryJson(summary, aUnreadable, context)
                                         : FormatSummaryText(summary, aUnreadable));
    environment.output.flush();
    return aUnreadable.empty() ? kCliExitPass : kCliExitError;
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
    if (!options.aSummaryPaths.empty())
    {
        return SummarizeCsvFiles(options, environment, context);
    }
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
