// rigvet-cli --report: saved diagnostics reports judged without capture or network.
#include "program/CliSession.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using nlohmann::json;
using ::testing::HasSubstr;
using ::testing::Not;

namespace
{
const std::string kReports = std::string(RIGVET_FIXTURES_DIR) + "/reports/";
const std::string kSaved = std::string(RIGVET_FIXTURES_DIR) + "/saved-reports/";

class CliReport : public ::testing::Test
{
protected:
    CliReport() : m_options(IsolatedCliSession(m_temp, ""))
    {
        // Reports never start the collector; if one were started, it would leave this note.
        m_options.environment["RIGVET_FAKE_LOG"] = m_files.File("collector-called");
        // Never asked: a report is judged without the network.
        m_options.environment["RIGVET_TIME_URL"] = "https://127.0.0.1:1/";
        m_options.environment["RIGVET_DRIVE_ROOT"] = std::nullopt;
    }

    SProgramResult Run(std::vector<std::string> aArguments)
    {
        const SProgramResult result = RunProgram(RIGVET_CLI_PATH, aArguments, m_options);
        EXPECT_FALSE(std::filesystem::exists(m_files.File("collector-called")));
        EXPECT_FALSE(std::filesystem::exists(m_temp.Path() / "sm3"));
        return result;
    }

    static std::map<std::string, std::string> Verdicts(const json& object)
    {
        std::map<std::string, std::string> verdicts;
        for (const auto& [strId, requirement] : object["requirements"].items())
        {
            verdicts[strId] = requirement["verdict"].get<std::string>();
        }
        return verdicts;
    }

    CTestFolder m_temp;
    CTestFolder m_files;
    SProgramOptions m_options;
};
} // namespace

TEST_F(CliReport, WindowsReportsAsJsonArray)
{
    const SProgramResult result =
        Run({"--report", kSaved + "windows10-utf16.xml", kSaved + "windows7-utf16.xml",
             kSaved + "windows11-virtual-utf8.xml", kSaved + "windows-vista-utf8.xml", "--json"});
    EXPECT_EQ(result.nExitCode, 3) << result.strError;
    const json array = json::parse(result.strOutput);
    ASSERT_EQ(array.size(), 4u);

    const json& windows10 = array[0];
    EXPECT_EQ(windows10["source"]["kind"], "report");
    EXPECT_EQ(windows10["source"]["path"], kSaved + "windows10-utf16.xml");
    EXPECT_EQ(windows10["source"]["systemClass"], "windows8OrLater");
    EXPECT_EQ(windows10["source"]["machine"], "LAB-PC-07");
    EXPECT_EQ(windows10["source"]["driveRoot"], "C:\\");
    EXPECT_EQ(Verdicts(windows10), (std::map<std::string, std::string>{{"display", "PASS"},
                                                                       {"sound", "PASS"},
                                                                       {"updates", "PASS"},
                                                                       {"memory", "PASS"},
                                                                       {"freeDisk", "PASS"},
                                                                       {"clock", "UNK"}}));
    EXPECT_EQ(windows10["requirements"]["clock"]["reason"], "not part of a saved report");
    EXPECT_EQ(windows10["exitCode"], 2);

    const json& windows7 = array[1];
    EXPECT_EQ(windows7["source"]["systemClass"], "windows7");
    EXPECT_EQ(windows7["requirements"]["display"]["verdict"], "PASS");
    EXPECT_EQ(windows7["requirements"]["display"]["value"], 10.1);
    EXPECT_EQ(windows7["requirements"]["updates"]["verdict"], "UNK");
    EXPECT_EQ(windows7["requirements"]["memory"]["verdict"], "FAIL");
    EXPECT_EQ(windows7["exitCode"], 1);

    const json& windows11 = array[2];
    EXPECT_EQ(windows11["warnings"][0]["id"], "virtualization");
    EXPECT_EQ(windows11["requirements"]["display"]["verdict"], "FAIL");

    const json& vista = array[3];
    EXPECT_EQ(vista["outcome"], "refused");
    EXPECT_EQ(vista["stop"]["reason"], "oldSystem");
    EXPECT_EQ(vista["exitCode"], 3);
}

TEST_F(CliReport, ABadFileGetsItsOwnErrorAndTheBatchGoesOn)
{
    const SProgramResult result =
        Run({"--report", kSaved + "windows10-utf8.xml", kReports + "truncated.xml",
             m_files.File("missing.xml"), kSaved + "windows10-utf16.xml"});
    EXPECT_EQ(result.nExitCode, 4);
    EXPECT_THAT(result.strOutput,
                HasSubstr("Report: " + kReports +
                          "truncated.xml\n[Error Occurred - -998]\nCould not load the dxdiag "
                          "XML file\nnot well-formed XML at line 4\n\nReport: " +
                          m_files.File("missing.xml") +
                          "\n[Error Occurred - -998]\nCould not load the dxdiag XML file\n"
                          "No such file or directory\n"));
    EXPECT_THAT(result.strOutput,
                HasSubstr("Report: " + kSaved +
                          "windows10-utf16.xml\nOperating system: "
                          "Windows 10 Pro 64-bit (10.0, Build 19045) (19041.vb_release.191206-"
                          "1406) (windows8OrLater)\nDisplay Device: PASS (feature level 12.1)\n"));
    EXPECT_THAT(result.strOutput, HasSubstr("Free Disk Space: PASS (86234 MB free)\n"));

    const json array = json::parse(
        Run({"--json", "--report", kReports + "empty.xml", kSaved + "windows10-utf8.xml"})
            .strOutput);
    ASSERT_EQ(array.size(), 2u);
    EXPECT_EQ(array[0]["error"]["code"], -998);
    EXPECT_EQ(array[1]["outcome"], "finished");
}

TEST_F(CliReport, DiskOfTheReportsOrigin)
{
    // A report of rigvet-dxdiag is judged on the disk a live run here would judge.
    m_options.environment["RIGVET_DRIVE_ROOT"] = "/srv/lab\\";
    const json collector =
        json::parse(Run({"--json", "--report", kSaved + "linux-collector.xml"}).strOutput)[0];
    EXPECT_EQ(collector["source"]["systemClass"], "linux");
    EXPECT_EQ(collector["source"]["driveRoot"], "/srv/lab\\");
    EXPECT_EQ(collector["requirements"]["freeDisk"]["value"], 250000);

    // The option names the disk for every report.
    const json given =
        json::parse(Run({"--json", "--system-drive", "D:", "--report",
                         kSaved + "windows10-utf8.xml", kSaved + "linux-collector.xml"})
                        .strOutput);
    EXPECT_EQ(given[0]["requirements"]["freeDisk"]["value"], 812345);
    EXPECT_EQ(given[1]["source"]["driveRoot"], "D:\\");
    EXPECT_EQ(given[1]["requirements"]["freeDisk"]["reason"], "the report lists no disk D:");
}

TEST_F(CliReport, CsvRowPerReport)
{
    const std::string strCsv = m_files.File("fleet.csv");
    const SProgramResult result =
        Run({"--report", kSaved + "windows10-utf8.xml", kReports + "empty.xml",
             kSaved + "windows7-utf16.xml", "--csv", strCsv});
    EXPECT_EQ(result.nExitCode, 4);
    const std::string strText = ReadTextFile(strCsv);
    EXPECT_EQ(std::count(strText.begin(), strText.end(), '\n'), 4);
    EXPECT_THAT(strText, HasSubstr(",report," + kSaved +
                                   "windows10-utf8.xml,LAB-PC-07,\"Windows 10 Pro 64-bit (10.0, "
                                   "Build 19045) (19041.vb_release.191206-1406)\","
                                   "windows8OrLater,finished,2,PASS,12.1,"));
    EXPECT_THAT(strText, HasSubstr(",report," + kReports +
                                   "empty.xml,,,,error,4,,,,,,,,,,,,,,-998,Could not load the "
                                   "dxdiag XML file,,,\r\n"));
    EXPECT_THAT(strText, HasSubstr(",windows7,finished,1,PASS,10.1,PASS,yes,UNK,,FAIL,3072,"
                                   "FAIL,912,UNK,,no,,,Lab Systems,Workstation 5,"
                                   "Intel(R) UHD Graphics 630 (31.0.101.2111)\r\n"));
}

TEST_F(CliReport, ReportOptionsThatDoNotFit)
{
    for (const std::vector<std::string>& aArguments : std::vector<std::vector<std::string>>{
             {"--report"},
             {"--report", kSaved + "windows10-utf8.xml", "--consent=yes"},
             {"q.log", "--report", kSaved + "windows10-utf8.xml"}})
    {
        const SProgramResult result = Run(aArguments);
        EXPECT_EQ(result.nExitCode, 64) << ::testing::PrintToString(aArguments);
        EXPECT_EQ(result.strOutput, "");
    }
    EXPECT_FALSE(std::filesystem::exists("q.log"));
}
