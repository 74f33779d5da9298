#include "ui/cli/CliManual.h"

#include "support/TextConvert.h"
#include "ui/DialogExitCodes.h"
#include "ui/DialogManual.h"
#include "ui/ManPage.h"
#include "ui/UsageText.h"
#include "ui/cli/CliExitCodes.h"
#include "ui/cli/CliOptions.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

using ::testing::HasSubstr;

namespace
{
// Values for the placeholders of the usage lines, so each line can be given to the parser.
const std::map<std::string, std::wstring> kSampleValues = {
    {"FILE", L"out.csv"}, {"FILE...", L"saved.xml"}, {"DRIVE", L"C:"}, {"LOGFILE", L"q.log"}, {"CSVFILE...", L"fleet.csv"}};

std::vector<std::string> SplitWords(const std::string& strText)
{
    std::istringstream words(strText);
    std::vector<std::string> aWords;
    for (std::string strWord; words >> strWord;)
    {
        aWords.push_back(strWord);
    }
    return aWords;
}

// The arguments a usage line stands for, with every optional part given: "--consent=yes|no"
// takes its first answer, a placeholder its sample value; "a | b" gives one call per choice.
std::vector<std::vector<std::wstring>> InstantiateUsage(const std::string& strLine)
{
    std::vector<std::vector<std::wstring>> aCalls(1);
    for (std::string strWord : SplitWords(strLine))
    {
        strWord.erase(std::remove_if(strWord.begin(), strWord.end(),
                                     [](char ch) { return ch == '[' || ch == ']'; }),
                      strWord.end());
        if (strWord == "|")
        {
            aCalls.emplace_back();
            continue;
        }
        const auto itSample = kSampleValues.find(strWord);
        if (itSample != kSampleValues.end())
        {
            aCalls.back().push_back(itSample->second);
            continue;
        }
        aCalls.back().push_back(Utf8ToWide(strWord.substr(0, strWord.find('|'))));
    }
    return aCalls;
}

TEST(CliManual, EveryUsageLineIsWhatTheParserAccepts)
{
    for (const std::string& strLine : GetCliManual().aSynopsis)
    {
        for (const std::vector<std::wstring>& aArguments : InstantiateUsage(strLine))
        {
            EXPECT_EQ(ParseCliOptions(aArguments, true).strError, "") << strLine;
        }
    }
}

TEST(CliManual, EveryOptionIsInAUsageLineAndAlone)
{
    std::string strUsage;
    for (const std::string& strLine : GetCliManual().aSynopsis)
    {
        strUsage += strLine + " ";
    }
    for (const SManualEntry& option : GetCliManual().aOptions)
    {
        // "-h, --help" names two spellings; each must be known to the parser.
        for (const std::string& strWord : SplitWords(option.strTerm))
        {
            const std::string strName = strWord.substr(0, strWord.find_first_of("=,"));
            if (strName.front() != '-')
            {
                continue;
            }
            if (strName.size() > 2)
            {
                EXPECT_THAT(strUsage, HasSubstr(strName)) << option.strTerm;
            }
            const SCliParse parse = ParseCliOptions({Utf8ToWide(strName)}, true);
            EXPECT_THAT(parse.strError, ::testing::Not(HasSubstr("unknown")))
                << strName << ": " << parse.strError;
        }
    }
}

TEST(CliManual, HelpAndManualPageSayTheSame)
{
    const std::string strHelp = GetCliUsage();
    const std::string strPage = FormatManPage(GetCliManual(), {"1.0.0.1", "2026-12-09"});
    EXPECT_EQ(strHelp, FormatUsage(GetCliManual()));
    for (const SManualEntry& option : GetCliManual().aOptions)
    {
        EXPECT_THAT(strHelp, HasSubstr("  " + option.strTerm + " "));
        EXPECT_THAT(strPage,
                    HasSubstr(".TP\n" + FormatRoffTerm(option.strTerm, ERoffTerm::Options) + "\n" +
                              EscapeRoff(option.strText)));
    }
    for (const SManualExitCode& exitCode : GetCliManual().aExitCodes)
    {
        EXPECT_THAT(strPage, HasSubstr(".B " + std::to_string(exitCode.nCode) + "\n" +
                                       EscapeRoff(exitCode.strText) + "\n"));
    }
}

std::set<int> ListCodes(const SProgramManual& manual)
{
    std::set<int> codes;
    for (const SManualExitCode& exitCode : manual.aExitCodes)
    {
        EXPECT_TRUE(codes.insert(exitCode.nCode).second) << exitCode.nCode << " twice";
    }
    return codes;
}

TEST(CliManual, ListsEveryExitCodeOnce)
{
    EXPECT_EQ(ListCodes(GetCliManual()),
              (std::set<int>{kCliExitPass, kCliExitFail, kCliExitUnknown, kCliExitNotRun,
                             kCliExitError, kCliExitUsage, kCliExitCsvFailed}));
    EXPECT_EQ(ListCodes(GetDialogManual()),
              (std::set<int>{kDialogExitSuccess, kDialogExitUsage, kDialogExitNoDisplay,
                             kDialogExitScreenshotFailed}));
}

TEST(CliManual, BothPagesNameEveryOverride)
{
    for (const SProgramManual* pManual : {&GetCliManual(), &GetDialogManual()})
    {
        std::string strVariables;
        for (const SManualEntry& entry : pManual->aEnvironment)
        {
            strVariables += entry.strTerm + "\n";
        }
        for (const char* pszVariable :
             {"RIGVET_OS_VERSION=", "RIGVET_UPDATES_FILE=", "RIGVET_DXDIAG=",
              "RIGVET_DXDIAG_TIMEOUT=", "RIGVET_DRIVE_ROOT=", "RIGVET_TIME_URL="})
        {
            EXPECT_THAT(strVariables, HasSubstr(pszVariable)) << pManual->strName;
        }
    }
}
} // namespace
