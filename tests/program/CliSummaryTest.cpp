// rigvet-cli --summary over the CSV file that --report wrote, and --csv - to standard output.
#include "program/CliSession.h"

#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace
{
const std::string kSaved = std::string(RIGVET_FIXTURES_DIR) + "/saved-reports/";

class CliSummary : public ::testing::Test
{
protected:
    CliSummary() : m_options(IsolatedCliSession(m_temp, "")) {}

    SProgramResult Run(const std::vector<std::string>& aArguments)
    {
        return RunProgram(RIGVET_CLI_PATH, aArguments, m_options);
    }

    CTestFolder m_temp;
    CTestFolder m_files;
    SProgramOptions m_options;
};
} // namespace

TEST_F(CliSummary, FleetAtAGlanceFromTheRowsOfSavedReports)
{
    const std::string strCsv = m_files.File("fleet.csv");
    Run({"--csv", strCsv, "--report", kSaved + "windows10-utf8.xml", kSaved + "linux-no-vulkan.xml",
         kSaved + "windows-vista-utf8.xml"});
    const SProgramResult text = Run({"--summary", strCsv});
    EXPECT_EQ(text.nExitCode, 0) << text.strError;
    EXPECT_THAT(text.strOutput, StartsWith("Machines: 3\nReady (all PASS): 0\nNot ready (a FAIL): "
                                           "1\nNot determined (UNK, no FAIL): 1\n"));
    EXPECT_THAT(text.strOutput, HasSubstr("Display Device: 1 PASS, 1 FAIL, 0 UNK\n"
                                          "    failed: lab-linux-9\n"));
    const SProgramResult json = Run({"--summary", strCsv, m_files.File("missing.csv"), "--json"});
    EXPECT_EQ(json.nExitCode, 4);
    EXPECT_THAT(json.strError, HasSubstr("missing.csv could not be read"));
    const nlohmann::json summary = nlohmann::json::parse(json.strOutput);
    EXPECT_EQ(summary["notTestedMachines"], nlohmann::json({"LAB-PC-OLD"}));
    EXPECT_EQ(summary["requirements"]["clock"]["unknown"], 2);
}

TEST_F(CliSummary, CsvToStandardOutputWithTheMachinesIdentity)
{
    const SProgramResult result = Run({"--csv", "-", "--report", kSaved + "windows10-utf8.xml"});
    EXPECT_EQ(result.nExitCode, 2) << result.strError;
    EXPECT_THAT(result.strOutput, StartsWith("time,machine,program_version,"));
    EXPECT_THAT(result.strOutput, HasSubstr(",manufacturer,model,display_adapters\r\n"));
    EXPECT_THAT(
        result.strOutput,
        HasSubstr(",Lab Systems,Workstation 5,Intel(R) UHD Graphics 630 (31.0.101.2111)\r\n"));
    EXPECT_THAT(result.strError, HasSubstr("Display Device: PASS"));
    EXPECT_FALSE(std::ifstream("-").good());
}
