#include "ui/cli/FleetSummaryOutput.h"

#include "support/TextConvert.h"
#include "ui/cli/ResultIds.h"
#include "ui/cli/ResultJson.h"

#include <nlohmann/json.hpp>

namespace
{
using CJson = nlohmann::ordered_json;

int GetCount(const SFleetSummary& summary, EMachineState state)
{
    return summary.aStateCounts[static_cast<std::size_t>(state)];
}

std::string JoinNames(const std::vector<std::string>& aNames)
{
    std::string strNames;
    for (const std::string& strName : aNames)
    {
        strNames += (strNames.empty() ? "" : ", ") + strName;
    }
    return strNames;
}
} // namespace

std::string FormatSummaryText(const SFleetSummary& summary,
                              const std::vector<SUnreadableCsv>& aUnreadable)
{
    std::string strText = "Machines: " + std::to_string(summary.nMachines) + "\n";
    strText +=
        "Ready (all PASS): " + std::to_string(GetCount(summary, EMachineState::Ready)) + "\n";
    strText +=
        "Not ready (a FAIL): " + std::to_string(GetCount(summary, EMachineState::NotReady)) + "\n";
    strText += "Not determined (UNK, no FAIL): " +
               std::to_string(GetCount(summary, EMachineState::NotDetermined)) + "\n";
    strText += "Not tested (refused, error): " +
               std::to_string(GetCount(summary, EMachineState::NotTested)) + "\n";
    if (!summary.aNotTestedMachines.empty())
    {
        strText += "    not tested: " + JoinNames(summary.aNotTestedMachines) + "\n";
    }
    for (const SRequirementTally& tally : summary.aRequirements)
    {
        strText += WideToUtf8(std::wstring(GetRequirementName(tally.requirement))) + ": " +
                   std::to_string(tally.nPass) + " PASS, " + std::to_string(tally.nFail) +
                   " FAIL, " + std::to_string(tally.nUnknown) + " UNK\n";
        if (!tally.aFailedMachines.empty())
        {
            strText += "    failed: " + JoinNames(tally.aFailedMachines) + "\n";
        }
    }
    for (const SUnreadableCsv& file : aUnreadable)
    {
        strText += "Not counted: " + file.strPath + ": " + file.strMessage + "\n";
    }
    return strText;
}

std::string FormatSummaryJson(const SFleetSummary& summary,
                              const std::vector<SUnreadableCsv>& aUnreadable,
                              const SResultContext& context)
{
    CJson requirements = CJson::object();
    for (const SRequirementTally& tally : summary.aRequirements)
    {
        requirements[GetRequirementId(tally.requirement)] = {
            {"name", WideToUtf8(std::wstring(GetRequirementName(tally.requirement)))},
            {"pass", tally.nPass},
            {"fail", tally.nFail},
            {"unknown", tally.nUnknown},
            {"failedMachines", tally.aFailedMachines},
        };
    }
    CJson unreadable = CJson::array();
    for (const SUnreadableCsv& file : aUnreadable)
    {
        unreadable.push_back({{"path", file.strPath}, {"message", file.strMessage}});
    }
    const CJson json = {
        {"formatVersion", kResultJsonVersion},
        {"kind", "summary"},
        {"program", {{"name", "rigvet-cli"}, {"version", WideToUtf8(context.strProgramVersion)}}},
        {"time", WideToUtf8(context.strTime)},
        {"machines", summary.nMachines},
        {"ready", GetCount(summary, EMachineState::Ready)},
        {"notReady", GetCount(summary, EMachineState::NotReady)},
        {"notDetermined", GetCount(summary, EMachineState::NotDetermined)},
        {"notTested", GetCount(summary, EMachineState::NotTested)},
        {"notTestedMachines", summary.aNotTestedMachines},
        {"requirements", requirements},
        {"unreadable", unreadable},
    };
    return json.dump(2, ' ', false, CJson::error_handler_t::replace) + "\n";
}
