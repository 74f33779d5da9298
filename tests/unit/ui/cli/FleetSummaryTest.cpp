#include "ui/cli/FleetSummary.h"
#include "ui/cli/ResultCsv.h"

#include <gtest/gtest.h>

namespace
{
// An earlier, shorter column set in another order: the columns are found by name.
const std::string kHeader =
    "machine,time,source,report_machine,outcome,display,sound,updates,memory,free_disk,clock,"
    "message\r\n";

struct SRowCase
{
    const char* pszMachine;
    const char* pszTime;
    const char* pszReportMachine; // empty for a live run
    const char* pszOutcome;
    const char* pszVerdicts; // display, sound, updates, memory, free disk, clock
};

const std::vector<SRowCase> kRows = {
    {"pc-1", "2026-03-01T09:00:00Z", "", "finished", "PASS,PASS,PASS,PASS,PASS,PASS"},
    {"pc-1", "2026-03-02T09:00:00Z", "", "finished", "FAIL,PASS,PASS,PASS,PASS,PASS"},
    {"pc-2", "2026-03-01T09:00:00Z", "", "finished", "PASS,PASS,PASS,PASS,PASS,UNK"},
    {"pc-3", "2026-03-01T10:00:00Z", "", "finished", "PASS,FAIL,PASS,PASS,PASS,PASS"},
    {"pc-3", "2026-03-01T10:00:00Z", "", "finished", "PASS,PASS,PASS,PASS,PASS,PASS"},
    {"pc-4", "2026-03-01T10:00:00Z", "", "refused", ",,,,,"},
    {"judge", "2026-03-01T11:00:00Z", "LAB-7", "finished", "PASS,PASS,PASS,FAIL,PASS,UNK"},
    {"'=odd", "2026-03-01T11:00:00Z", "", "finished", "PASS,PASS,PASS,PASS,PASS,PASS"},
    // a later row that is older than the one kept does not replace it
    {"pc-1", "2026-02-01T09:00:00Z", "", "finished", "PASS,PASS,PASS,PASS,PASS,PASS"},
};

std::string MakeCsv()
{
    std::string strCsv = "\xEF\xBB\xBF" + kHeader;
    for (const SRowCase& row : kRows)
    {
        strCsv += std::string(row.pszMachine) + "," + row.pszTime + "," +
                  (*row.pszReportMachine != '\0' ? "report," : "live,") + row.pszReportMachine +
                  "," + row.pszOutcome + "," + row.pszVerdicts +
                  ",\"a, \"\"quoted\"\"\r\nline\"\r\n";
    }
    return strCsv;
}
} // namespace

TEST(FleetSummary, CountsEachMachineOnceByItsLatestRow)
{
    CFleetSummary fleet;
    std::string strError;
    ASSERT_TRUE(fleet.AddCsv(MakeCsv(), strError)) << strError;
    // The fleet playbook's file: host and status first, an unreachable host without a result.
    ASSERT_TRUE(fleet.AddCsv("host,status,time,machine,outcome,display\nweb-1,unreachable,,,,\n",
                             strError));
    const SFleetSummary summary = fleet.Summarize();
    EXPECT_EQ(summary.nMachines, 7);
    EXPECT_EQ(summary.aStateCounts, (std::array<int, 4>{2, 2, 1, 2}));
    EXPECT_EQ(summary.aNotTestedMachines, (std::vector<std::string>{"pc-4", "web-1"}));
    const std::array<std::array<int, 3>, 6> aExpected = {
        {{4, 1, 0}, {5, 0, 0}, {5, 0, 0}, {4, 1, 0}, {5, 0, 0}, {3, 0, 2}}};
    for (std::size_t r = 0; r < aExpected.size(); ++r)
    {
        const SRequirementTally& tally = summary.aRequirements[r];
        EXPECT_EQ((std::array<int, 3>{tally.nPass, tally.nFail, tally.nUnknown}), aExpected[r])
            << GetRequirementCsvColumn(tally.requirement);
    }
    EXPECT_EQ(summary.aRequirements[0].aFailedMachines, std::vector<std::string>{"pc-1"});
    EXPECT_EQ(summary.aRequirements[3].aFailedMachines, std::vector<std::string>{"LAB-7"});
    EXPECT_EQ(fleet.GetRows()[5].strMachine, "=odd"); // the guard against formulas is dropped
}

TEST(FleetSummary, QuotedFieldsAndAFileThatIsNoRigvetCsv)
{
    EXPECT_EQ(ParseCsvRecords("a,\"b,\"\"c\"\"\r\nd\"\r\n\r\n,\n"),
              (std::vector<std::vector<std::string>>{{"a", "b,\"c\"\r\nd"}, {"", ""}}));
    CFleetSummary fleet;
    std::string strError;
    EXPECT_FALSE(fleet.AddCsv("name,value\r\npc,1\r\n", strError));
    EXPECT_NE(strError.find("outcome"), std::string::npos);
}
