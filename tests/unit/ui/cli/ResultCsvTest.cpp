#include "ui/cli/ResultCsv.h"

#include "support/CsvFields.h"
#include "unit/ui/cli/CliResultSamples.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace CliResultSamples;
using ::testing::ElementsAre;

namespace
{
// Splits one CSV line (with its CRLF) into fields as a reader of RFC 4180 would.
std::vector<std::string> ReadFields(const std::string& strLine)
{
    if (strLine.size() < 2 || strLine.substr(strLine.size() - 2) != "\r\n")
    {
        ADD_FAILURE() << "no CRLF at the end: " << strLine;
        return {};
    }
    const std::optional<std::vector<std::string>> aFields =
        SplitCsvLine(strLine.substr(0, strLine.size() - 2));
    EXPECT_TRUE(aFields) << "a quoted field does not close: " << strLine;
    return aFields.value_or(std::vector<std::string>());
}

std::string Field(const std::vector<std::string>& aHeader, const std::vector<std::string>& aRow,
                  const std::string& strColumn)
{
    for (std::size_t i = 0; i < aHeader.size() && i < aRow.size(); ++i)
    {
        if (aHeader[i] == strColumn)
        {
            return aRow[i];
        }
    }
    ADD_FAILURE() << "no column " << strColumn;
    return std::string();
}
} // namespace

TEST(ResultCsv, QuotingFollowsRfc4180)
{
    const std::pair<const char*, const char*> aCases[] = {
        {"plain", "plain"},
        {"", ""},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\r", "\"cr\r\""},
        {"C:\\Temp\\q.xml", "C:\\Temp\\q.xml"},
        {"caf\xC3\xA9", "caf\xC3\xA9"},
    };
    for (const auto& [pszField, pszExpected] : aCases)
    {
        EXPECT_EQ(QuoteCsvField(pszField), pszExpected) << pszField;
    }
}

TEST(ResultCsv, TextThatLooksLikeAFormulaIsDefused)
{
    const std::pair<const char*, const char*> aCases[] = {
        {"=1+2", "'=1+2"}, {"+41 22", "'+41 22"},     {"-x", "'-x"},  {"@SUM(A1)", "'@SUM(A1)"},
        {"\tx", "'\tx"},   {"=A1,B1", "\"'=A1,B1\""}, {"a=b", "a=b"}, {"", ""},
    };
    for (const auto& [pszText, pszExpected] : aCases)
    {
        EXPECT_EQ(FormatCsvText(pszText), pszExpected) << pszText;
    }
}

TEST(ResultCsv, HeaderNamesTheDocumentedColumns)
{
    EXPECT_THAT(ReadFields(GetCsvHeader()),
                ElementsAre("time", "machine", "program_version", "source", "report_path",
                            "report_machine", "operating_system", "system_class", "outcome",
                            "exit_code", "display", "feature_level", "sound", "sound_device",
                            "updates", "updates_found", "memory", "memory_mb", "free_disk",
                            "free_disk_mb", "clock", "clock_offset_s", "virtualization",
                            "error_code", "message", "manufacturer", "model", "display_adapters"));
}

TEST(ResultCsv, RowsOfEachKindFitTheHeader)
{
    const std::vector<std::string> aHeader = ReadFields(GetCsvHeader());
    for (const SQualificationResult& result :
         {LiveRun(), RefusedRun(), UnreadableReport(), JudgedReport()})
    {
        const std::string strRow = FormatCsvRow(result, Context());
        EXPECT_EQ(strRow.find('\n'), strRow.size() - 1) << "one line: " << strRow;
        EXPECT_EQ(ReadFields(strRow).size(), aHeader.size()) << strRow;
    }
}

TEST(ResultCsv, LiveRunRow)
{
    const std::vector<std::string> aHeader = ReadFields(GetCsvHeader());
    const std::vector<std::string> aRow = ReadFields(FormatCsvRow(LiveRun(), Context()));
    const std::pair<const char*, const char*> aExpected[] = {
        {"time", "2026-03-01T09:15:02Z"},
        {"machine", "lab-pc-07"},
        {"program_version", "1.0.0.1"},
        {"source", "live"},
        {"report_path", ""},
        {"outcome", "finished"},
        {"exit_code", "1"},
        {"display", "PASS"},
        {"feature_level", "12.1"},
        {"sound_device", "yes"},
        {"updates", "FAIL"},
        {"updates_found", "4474419 4536952"},
        {"memory_mb", "16384"},
        {"free_disk_mb", "51234"},
        {"clock", "UNK"},
        {"clock_offset_s", ""},
        {"virtualization", "yes"},
        {"error_code", ""},
        {"message", ""},
    };
    for (const auto& [pszColumn, pszValue] : aExpected)
    {
        EXPECT_EQ(Field(aHeader, aRow, pszColumn), pszValue) << pszColumn;
    }
}

TEST(ResultCsv, ReportAndErrorRows)
{
    const std::vector<std::string> aHeader = ReadFields(GetCsvHeader());
    const std::vector<std::string> aReport = ReadFields(FormatCsvRow(JudgedReport(), Context()));
    EXPECT_EQ(Field(aHeader, aReport, "source"), "report");
    EXPECT_EQ(Field(aHeader, aReport, "report_path"), "pc07.xml");
    EXPECT_EQ(Field(aHeader, aReport, "report_machine"), "'=HYPERLINK(\"x\")");
    EXPECT_EQ(Field(aHeader, aReport, "operating_system"),
              "Windows 10 Pro 64-bit (10.0, Build 19045)");
    EXPECT_EQ(Field(aHeader, aReport, "system_class"), "windows8OrLater");
    EXPECT_EQ(Field(aHeader, aReport, "virtualization"), "no");

    const std::vector<std::string> aError = ReadFields(FormatCsvRow(UnreadableReport(), Context()));
    EXPECT_EQ(Field(aHeader, aError, "report_path"), "/srv/reports/bad, \"old\".xml");
    EXPECT_EQ(Field(aHeader, aError, "outcome"), "error");
    EXPECT_EQ(Field(aHeader, aError, "exit_code"), "4");
    EXPECT_EQ(Field(aHeader, aError, "system_class"), "");
    EXPECT_EQ(Field(aHeader, aError, "display"), "");
    EXPECT_EQ(Field(aHeader, aError, "virtualization"), "");
    EXPECT_EQ(Field(aHeader, aError, "error_code"), "-998");
    EXPECT_EQ(Field(aHeader, aError, "message"), "Could not load the dxdiag XML file");

    const std::vector<std::string> aRefused = ReadFields(FormatCsvRow(RefusedRun(), Context()));
    EXPECT_EQ(Field(aHeader, aRefused, "outcome"), "refused");
    EXPECT_EQ(Field(aHeader, aRefused, "exit_code"), "3");
    EXPECT_EQ(Field(aHeader, aRefused, "message"), "A remote desktop session has been detected.");
}
