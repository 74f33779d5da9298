// Many rigvet-cli processes appending to one CSV file at once lose and mix no row.
#include "program/CliSession.h"
#include "support/CsvFields.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <thread>

namespace
{
constexpr int kProcesses = 8;
constexpr int kRowsEach = 200;
} // namespace

TEST(CsvConcurrency, EightProcessesAppendTwoHundredRowsEach)
{
    CTestFolder temp;
    CTestFolder files;
    const std::string strCsv = files.File("shared.csv");
    const std::string strSource =
        std::string(RIGVET_FIXTURES_DIR) + "/saved-reports/windows10-utf8.xml";
    std::vector<std::thread> aThreads;
    std::vector<SProgramResult> aResults(kProcesses);
    for (int nProcess = 0; nProcess < kProcesses; ++nProcess)
    {
        // Each process judges its own copy, so its rows can be counted by report path.
        const std::string strReport = files.File("pc" + std::to_string(nProcess) + ",x.xml");
        std::filesystem::copy_file(strSource, strReport);
        std::vector<std::string> aArguments = {"--csv", strCsv, "--report"};
        aArguments.insert(aArguments.end(), kRowsEach, strReport);
        aThreads.emplace_back(
            [&, nProcess, aArguments] {
                aResults[nProcess] =
                    RunProgram(RIGVET_CLI_PATH, aArguments, IsolatedCliSession(temp, ""));
            });
    }
    for (std::thread& thread : aThreads)
    {
        thread.join();
    }
    for (const SProgramResult& result : aResults)
    {
        EXPECT_EQ(result.nExitCode, 2) << result.strError;
    }

    const std::optional<std::vector<std::string>> aAllLines = SplitCrlfLines(ReadTextFile(strCsv));
    ASSERT_TRUE(aAllLines) << "the file ends inside a row";
    const std::vector<std::string>& aLines = *aAllLines;
    ASSERT_EQ(aLines.size(), 1u + kProcesses * kRowsEach);
    const std::optional<std::vector<std::string>> aHeader = SplitCsvLine(aLines[0]);
    ASSERT_TRUE(aHeader);
    ASSERT_EQ((*aHeader)[0], "time");

    std::map<std::string, int> rowsPerReport;
    for (std::size_t i = 1; i < aLines.size(); ++i)
    {
        const std::optional<std::vector<std::string>> aFields = SplitCsvLine(aLines[i]);
        ASSERT_TRUE(aFields) << "line " << i << ": " << aLines[i];
        ASSERT_EQ(aFields->size(), aHeader->size()) << "line " << i << ": " << aLines[i];
        EXPECT_EQ((*aFields)[3], "report");
        EXPECT_EQ((*aFields)[8], "finished");
        ++rowsPerReport[(*aFields)[4]];
    }
    ASSERT_EQ(rowsPerReport.size(), static_cast<std::size_t>(kProcesses));
    for (const auto& [strReport, nRows] : rowsPerReport)
    {
        EXPECT_EQ(nRows, kRowsEach) << strReport;
    }
}
