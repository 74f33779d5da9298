#include "ui/cli/CliOptions.h"

#include "support/TextConvert.h"
#include "ui/CommandLine.h"
#include "ui/UsageText.h"
#include "ui/cli/CliManual.h"

#include <CLI/CLI.hpp>
#include <algorithm>

namespace
{
// Where "/" begins a switch (Windows), "/consent=yes", "/json" and "/?" stand for the "--" forms.
std::vector<std::wstring> NormalizeSwitches(const std::vector<std::wstring>& aArguments,
                                            bool bPosixPaths)
{
    std::vector<std::wstring> aNormal;
    for (const std::wstring& strArgument : aArguments)
    {
        if (bPosixPaths || strArgument.empty() || strArgument[0] != L'/')
        {
            aNormal.push_back(strArgument);
        }
        else
        {
            aNormal.push_back(strArgument == L"/?" ? L"--help" : L"--" + strArgument.substr(1));
        }
    }
    return aNormal;
}

std::vector<std::string> ToCli11Order(const std::vector<std::wstring>& aArguments)
{
    // CLI11 takes the arguments last first.
    std::vector<std::string> aReversed;
    for (auto it = aArguments.rbegin(); it != aArguments.rend(); ++it)
    {
        aReversed.push_back(WideToUtf8(*it));
    }
    return aReversed;
}

std::optional<std::wstring> ToWide(const std::string& strValue, bool bGiven)
{
    return bGiven ? std::optional<std::wstring>(Utf8ToWide(strValue)) : std::nullopt;
}

// The options that CLI11 does not judge: "--consent" without "=", and the plain arguments.
std::string CheckPlainArguments(const std::vector<std::wstring>& aArguments,
                                const std::vector<std::string>& aPlain, bool bPosixPaths,
                                SCliOptions& options)
{
    if (std::find(aArguments.begin(), aArguments.end(), L"--consent") != aArguments.end())
    {
        // Kept apart from the old rule's log path, which a separate answer would have become.
        return "--consent takes its answer after '=': --consent=yes or --consent=no";
    }
    for (const std::string& strPlain : aPlain)
    {
        const std::wstring strArgument = Utf8ToWide(strPlain);
        if (IsSwitchArgument(strArgument, bPosixPaths))
        {
            return "unknown option '" + strPlain + "'";
        }
        if (options.strLogPath.empty())
        {
            options.strLogPath = strArgument;
        }
    }
    if (!options.aReportPaths.empty() && !options.strLogPath.empty())
    {
        return "a LOGFILE belongs to a live run, not to --report";
    }
    if (!options.aSummaryPaths.empty() && !options.strLogPath.empty())
    {
        return "a LOGFILE belongs to a live run, not to --summary";
    }
    return std::string();
}
} // namespace

SCliParse ParseCliOptions(const std::vector<std::wstring>& aGiven, bool bPosixPaths)
{
    const std::vector<std::wstring> aArguments = NormalizeSwitches(aGiven, bPosixPaths);
    SCliParse parse;
    SCliOptions& options = parse.options;
    CLI::App app("rigvet-cli", "rigvet-cli");
    // The "/" forms are read above, the same on every platform.
    app.allow_windows_style_options(false);
    app.set_help_flag();
    app.add_flag("-h,--help", options.bHelp);
    app.add_flag("--version", options.bVersion);
    app.add_flag("--explain", options.bExplain);
    app.add_flag("--json", options.bJson);
    std::string strConsent;
    CLI::Option* pConsent =
        app.add_option("--consent", strConsent)->check(CLI::IsMember({"yes", "no"}));
    std::string strCsv;
    CLI::Option* pCsv = app.add_option("--csv", strCsv);
    std::vector<std::string> aReports;
    CLI::Option* pReport =
        app.add_option("--report", aReports)->expected(1, CLI::detail::expected_max_vector_size);
    std::string strDrive;
    CLI::Option* pDrive = app.add_option("--system-drive", strDrive)->needs(pReport);
    pConsent->excludes(pReport);
    std::vector<std::string> aSummaries;
    CLI::Option* pSummary =
        app.add_option("--summary", aSummaries)->expected(1, CLI::detail::expected_max_vector_size);
    pSummary->excludes(pReport)->excludes(pConsent)->excludes(pCsv)->excludes(pDrive);
    std::vector<std::string> aPlain;
    app.add_option("LOGFILE", aPlain);
    try
    {
        std::vector<std::string> aCliArguments = ToCli11Order(aArguments);
        app.parse(aCliArguments);
    }
    catch (const CLI::ParseError& error)
    {
        parse.strError = error.what();
        return parse;
    }
    if (pConsent->count() > 0)
    {
        options.consentAnswer = strConsent == "yes";
    }
    options.strCsvPath = ToWide(strCsv, pCsv->count() > 0);
    for (const std::string& strReport : aReports)
    {
        options.aReportPaths.push_back(Utf8ToWide(strReport));
    }
    options.strDriveRoot = ToWide(strDrive, pDrive->count() > 0);
    if (options.strDriveRoot && options.strDriveRoot->empty())
    {
        parse.strError = "--system-drive: an empty value names no disk";
        return parse;
    }
    for (const std::string& strSummary : aSummaries)
    {
        options.aSummaryPaths.push_back(Utf8ToWide(strSummary));
    }
    parse.strError = CheckPlainArguments(aArguments, aPlain, bPosixPaths, options);
    if (parse.strError.empty() && options.bJson && options.strCsvPath == std::wstring(L"-"))
    {
        parse.strError = "--json and --csv - would both write to standard output";
    }
    return parse;
}

const char* GetCliUsage()
{
    // Made from the table that the manual page is made from, so the two say the same.
    static const std::string strUsage = FormatUsage(GetCliManual());
    return strUsage.c_str();
}
