#pragma once

#include "run/Verdict.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The fleet at a glance, from the CSV files that rigvet-cli --csv (or the fleet playbook) wrote.
// Columns are found by their names in the header, so the files of every earlier version of the
// column set are read; a column that a file lacks counts as empty.

// The records of a CSV text (RFC 4180: quoted fields with doubled quotes, CRLF or LF line ends,
// a UTF-8 byte-order mark skipped); a blank line is no record.
std::vector<std::vector<std::string>> ParseCsvRecords(std::string_view strText);

enum class EMachineState
{
    Ready,         // every requirement PASS
    NotReady,      // at least one FAIL
    NotDetermined, // no FAIL, at least one UNK
    NotTested,     // refused, cancelled, ended on an error, or no result at all
};

struct SRequirementTally
{
    ERequirement requirement{};
    int nPass = 0;
    int nFail = 0;
    int nUnknown = 0;
    std::vector<std::string> aFailedMachines; // in the order of their names
};

struct SFleetSummary
{
    int nMachines = 0;
    std::array<int, 4> aStateCounts{}; // by EMachineState
    std::vector<std::string> aNotTestedMachines;
    std::vector<SRequirementTally> aRequirements; // the six, in display order
};

// One machine's latest row, as the summary counts it.
struct SMachineRow
{
    std::string strMachine;
    std::string strTime;
    EMachineState state = EMachineState::NotTested;
    // By requirement in display order: the verdict word of the row ("PASS", "FAIL", "UNK") or
    // empty when it has none.
    std::array<std::string, 6> aVerdicts;
};

// Collects the rows of CSV files and sums them up. A machine is named by the fleet playbook's
// host column, else by the judged report's machine (or its path) for a saved report, else by the
// machine column; one that appears more than once counts once, by its latest row (by the time
// column; of equal times the one added last).
class CFleetSummary
{
public:
    // Adds the rows of one file; false with a message when it is no Rigvet CSV (no header with
    // an outcome column).
    bool AddCsv(std::string_view strText, std::string& strError);
    SFleetSummary Summarize() const;
    const std::vector<SMachineRow>& GetRows() const { return m_aRows; }

private:
    void AddRow(SMachineRow row);

    std::vector<SMachineRow> m_aRows; // one per machine, in the order they first appeared
    std::vector<std::pair<std::string, std::size_t>> m_aIndex; // sorted by machine name
};
