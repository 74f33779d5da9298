#include "ui/cli/FleetSummary.h"

#include "ui/cli/ResultCsv.h"

#include <algorithm>
#include <optional>

namespace
{
constexpr std::string_view kFormulaStarts = "=+-@\t\r";

// A text field as it was before rigvet-cli put a "'" in front against spreadsheet formulas.
std::string Unguard(std::string strField)
{
    if (strField.size() > 1 && strField[0] == '\'' &&
        kFormulaStarts.find(strField[1]) != std::string_view::npos)
    {
        strField.erase(0, 1);
    }
    return strField;
}

// The positions of the named columns in a header.
class CColumns
{
public:
    explicit CColumns(const std::vector<std::string>& aHeader) : m_aHeader(aHeader) {}

    std::optional<std::size_t> Find(std::string_view strName) const
    {
        const auto it = std::find(m_aHeader.begin(), m_aHeader.end(), strName);
        return it != m_aHeader.end() ? std::optional<std::size_t>(it - m_aHeader.begin())
                                     : std::nullopt;
    }

private:
    std::vector<std::string> m_aHeader;
};

std::string GetField(const std::vector<std::string>& aRecord, std::optional<std::size_t> nColumn)
{
    return nColumn && *nColumn < aRecord.size() ? Unguard(aRecord[*nColumn]) : std::string();
}

EMachineState JudgeState(const std::string& strOutcome, const std::array<std::string, 6>& aVerdicts)
{
    if (strOutcome != "finished")
    {
        return EMachineState::NotTested;
    }
    if (std::find(aVerdicts.begin(), aVerdicts.end(), "FAIL") != aVerdicts.end())
    {
        return EMachineState::NotReady;
    }
    const bool bAllPass =
        std::all_of(aVerdicts.begin(), aVerdicts.end(),
                    [](const std::string& strVerdict) { return strVerdict == "PASS"; });
    return bAllPass ? EMachineState::Ready : EMachineState::NotDetermined;
}

void ParseField(std::string_view strText, std::size_t& i, std::string& strField)
{
    if (i < strText.size() && strText[i] == '"')
    {
        for (++i; i < strText.size(); ++i)
        {
            if (strText[i] != '"')
            {
                strField += strText[i];
            }
            else if (i + 1 < strText.size() && strText[i + 1] == '"')
            {
                strField += '"';
                ++i;
            }
            else
            {
                ++i;
                break;
            }
        }
    }
    while (i < strText.size() && strText[i] != ',' && strText[i] != '\n' && strText[i] != '\r')
    {
        strField += strText[i++];
    }
}
} // namespace

std::vector<std::vector<std::string>> ParseCsvRecords(std::string_view strText)
{
    if (strText.starts_with("\xEF\xBB\xBF"))
    {
        strText.remove_prefix(3);
    }
    std::vector<std::vector<std::string>> aRecords;
    std::size_t i = 0;
    while (i < strText.size())
    {
        std::vector<std::string> aRecord(1);
        ParseField(strText, i, aRecord.back());
        while (i < strText.size() && strText[i] == ',')
        {
            aRecord.emplace_back();
            ParseField(strText, ++i, aRecord.back());
        }
        if (i < strText.size() && strText[i] == '\r')
        {
            ++i;
        }
        if (i < strText.size() && strText[i] == '\n')
        {
            ++i;
        }
        if (aRecord.size() > 1 || !aRecord.front().empty())
        {
            aRecords.push_back(std::move(aRecord));
        }
    }
    return aRecords;
}

bool CFleetSummary::AddCsv(std::string_view strText, std::string& strError)
{
    const std::vector<std::vector<std::string>> aRecords = ParseCsvRecords(strText);
    if (aRecords.empty())
    {
        return true; // a file that no row was appended to yet
    }
    const CColumns columns(aRecords.front());
    const std::optional<std::size_t> nOutcome = columns.Find("outcome");
    if (!nOutcome)
    {
        strError = "no Rigvet CSV: its first line names no outcome column";
        return false;
    }
    const std::optional<std::size_t> nHost = columns.Find("host");
    const std::optional<std::size_t> nSource = columns.Find("source");
    const std::optional<std::size_t> nReportMachine = columns.Find("report_machine");
    const std::optional<std::size_t> nReportPath = columns.Find("report_path");
    const std::optional<std::size_t> nMachine = columns.Find("machine");
    const std::optional<std::size_t> nTime = columns.Find("time");
    std::array<std::optional<std::size_t>, 6> aVerdictColumns;
    for (std::size_t r = 0; r < g_aRequirements.size(); ++r)
    {
        aVerdictColumns[r] = columns.Find(GetRequirementCsvColumn(g_aRequirements[r]));
    }
    for (std::size_t n = 1; n < aRecords.size(); ++n)
    {
        const std::vector<std::string>& aRecord = aRecords[n];
        SMachineRow row;
        row.strMachine = GetField(aRecord, nHost);
        if (row.strMachine.empty() && GetField(aRecord, nSource) == "report")
        {
            row.strMachine = GetField(aRecord, nReportMachine);
            if (row.strMachine.empty())
            {
                row.strMachine = GetField(aRecord, nReportPath);
            }
        }
        if (row.strMachine.empty())
        {
            row.strMachine = GetField(aRecord, nMachine);
        }
        row.strTime = GetField(aRecord, nTime);
        for (std::size_t r = 0; r < aVerdictColumns.size(); ++r)
        {
            row.aVerdicts[r] = GetField(aRecord, aVerdictColumns[r]);
        }
        row.state = JudgeState(GetField(aRecord, nOutcome), row.aVerdicts);
        AddRow(std::move(row));
    }
    return true;
}

void CFleetSummary::AddRow(SMachineRow row)
{
    const auto it =
        std::lower_bound(m_aIndex.begin(), m_aIndex.end(), row.strMachine,
                         [](const std::pair<std::string, std::size_t>& entry,
                            const std::string& strName) { return entry.first < strName; });
    if (it != m_aIndex.end() && it->first == row.strMachine)
    {
        SMachineRow& kept = m_aRows[it->second];
        // ISO 8601 times in UTC compare as text; an equal time keeps the row added last.
        if (!(row.strTime < kept.strTime))
        {
            kept = std::move(row);
        }
        return;
    }
    m_aIndex.insert(it, {row.strMachine, m_aRows.size()});
    m_aRows.push_back(std::move(row));
}

SFleetSummary CFleetSummary::Summarize() const
{
    SFleetSummary summary;
    summary.nMachines = static_cast<int>(m_aRows.size());
    for (const ERequirement requirement : g_aRequirements)
    {
        SRequirementTally tally;
        tally.requirement = requirement;
        summary.aRequirements.push_back(tally);
    }
    for (const auto& [strName, nIndex] : m_aIndex)
    {
        const SMachineRow& row = m_aRows[nIndex];
        ++summary.aStateCounts[static_cast<std::size_t>(row.state)];
        if (row.state == EMachineState::NotTested)
        {
            summary.aNotTestedMachines.push_back(strName);
            continue; // nothing of it was judged that the requirements could count
        }
        for (std::size_t r = 0; r < row.aVerdicts.size(); ++r)
        {
            SRequirementTally& tally = summary.aRequirements[r];
            if (row.aVerdicts[r] == "PASS")
            {
                ++tally.nPass;
            }
            else if (row.aVerdicts[r] == "FAIL")
            {
                ++tally.nFail;
                tally.aFailedMachines.push_back(strName);
            }
            else if (row.aVerdicts[r] == "UNK")
            {
                ++tally.nUnknown;
            }
        }
    }
    return summary;
}
