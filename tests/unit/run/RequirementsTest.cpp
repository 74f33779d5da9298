#include "run/DialogIds.h"
#include "run/Requirement.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace
{
// A control of the main dialog template as the hand-written resource script places it.
struct SRcControl
{
    std::string strText;
    int nId = 0;
    int nX = 0;
    int nY = 0;
};

std::vector<std::string> ReadLines(const std::string& strPath)
{
    std::ifstream file(strPath);
    std::vector<std::string> aLines;
    for (std::string strLine; std::getline(file, strLine);)
    {
        aLines.push_back(strLine);
    }
    return aLines;
}

std::map<std::string, int> ReadDefines(const std::string& strPath)
{
    const std::regex define(R"(#define (\w+) (\d+))");
    std::map<std::string, int> ids = {{"-1", -1}};
    for (const std::string& strLine : ReadLines(strPath))
    {
        std::smatch match;
        if (std::regex_search(strLine, match, define))
        {
            ids[match[1]] = std::stoi(match[2]);
        }
    }
    return ids;
}

std::vector<SRcControl> ReadMainDialog(const std::string& strRoot)
{
    const std::map<std::string, int> ids = ReadDefines(strRoot + "/src/run/DialogIds.h");
    const std::regex control(
        R"re(^\s+(?:LTEXT|PUSHBUTTON)\s+"([^"]*)",\s*([-\w]+),\s*(\d+),\s*(\d+))re");
    std::vector<SRcControl> aControls;
    bool bInDialog = false;
    for (const std::string& strLine : ReadLines(strRoot + "/res/rigvet.rc"))
    {
        bInDialog = strLine.starts_with("IDD_RIGVET_DIALOG") || (bInDialog && strLine != "END");
        std::smatch match;
        if (bInDialog && std::regex_search(strLine, match, control) && ids.count(match[2]) != 0)
        {
            aControls.push_back(
                {match[1], ids.at(match[2]), std::stoi(match[3]), std::stoi(match[4])});
        }
    }
    return aControls;
}

const SRcControl* FindControl(const std::vector<SRcControl>& aControls, int nId,
                              const std::string& strText)
{
    for (const SRcControl& control : aControls)
    {
        if (control.nId == nId && control.strText == strText)
        {
            return &control;
        }
    }
    return nullptr;
}

std::string ToNarrow(const wchar_t* pszText)
{
    return std::string(pszText, pszText + std::wcslen(pszText));
}
} // namespace

TEST(Requirements, EachIsFoundByItsOwnValueWithNamesOfItsOwn)
{
    std::set<std::string> names;
    std::set<std::string> jsonKeys;
    std::set<std::string> csvColumns;
    std::set<int> controlIds;
    std::set<unsigned int> stringIds;
    for (const ERequirement requirement : g_aRequirements)
    {
        const SRequirementDescriptor& descriptor = GetRequirementDescriptor(requirement);
        EXPECT_EQ(descriptor.requirement, requirement);
        EXPECT_TRUE(jsonKeys.insert(descriptor.pszId).second);
        EXPECT_TRUE(csvColumns.insert(descriptor.pszCsvColumn).second);
        EXPECT_TRUE(csvColumns.insert(descriptor.pszCsvValueColumn).second);
        EXPECT_TRUE(names.insert(ToNarrow(descriptor.pszName)).second);
        const SRequirementControls& controls = descriptor.controls;
        for (int nId : {controls.nPassLabelId, controls.nFailLabelId, controls.nUnknownLabelId,
                        controls.nHelpButtonId})
        {
            EXPECT_TRUE(controlIds.insert(nId).second) << nId;
        }
        EXPECT_TRUE(stringIds.insert(descriptor.nHelpCaptionId).second);
        EXPECT_TRUE(stringIds.insert(descriptor.nHelpTextId).second);
        EXPECT_NE(descriptor.advice.pszFailWindows, nullptr);
        EXPECT_NE(descriptor.advice.pszUnknownWindows, nullptr);
    }
}

// The resource script stays hand-written; each requirement's row there must be the one its
// descriptor names: the name, PASS / FAIL / UNK and "?" on one line of the results, in its cell.
TEST(Requirements, RowsOfTheResourceScriptMatchTheTable)
{
    const std::vector<SRcControl> aControls =
        ReadMainDialog(std::string(RIGVET_FIXTURES_DIR) + "/../..");
    ASSERT_GT(aControls.size(), 30u);
    std::set<std::pair<int, int>> cells;
    for (const SRequirementDescriptor* pDescriptor : g_aRequirementDescriptors)
    {
        const SRequirementControls& controls = pDescriptor->controls;
        SCOPED_TRACE(ToNarrow(pDescriptor->pszName));
        const SRcControl* pName = FindControl(aControls, -1, ToNarrow(pDescriptor->pszName) + "?");
        ASSERT_NE(pName, nullptr);
        EXPECT_EQ(pName->nX, controls.nColumn == 0 ? 14 : 198);
        EXPECT_EQ(pName->nY, 70 + 24 * controls.nRow);
        EXPECT_TRUE(cells.insert({controls.nColumn, controls.nRow}).second);
        const std::pair<int, const char*> aWords[] = {{controls.nPassLabelId, "PASS"},
                                                      {controls.nFailLabelId, "FAIL"},
                                                      {controls.nUnknownLabelId, "UNK"}};
        for (const auto& [nId, pszWord] : aWords)
        {
            const SRcControl* pWord = FindControl(aControls, nId, pszWord);
            ASSERT_NE(pWord, nullptr) << pszWord;
            EXPECT_EQ(pWord->nY, pName->nY) << pszWord;
        }
        const SRcControl* pHelp = FindControl(aControls, controls.nHelpButtonId, "?");
        ASSERT_NE(pHelp, nullptr);
        EXPECT_EQ(pHelp->nY, pName->nY - 3);
    }
}
