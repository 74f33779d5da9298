#include "ui/cli/ResultJson.h"

#include "unit/ui/cli/CliResultSamples.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace CliResultSamples;
using nlohmann::json;

namespace
{
json Parse(const std::string& strText)
{
    EXPECT_EQ(strText.back(), '\n');
    return json::parse(strText);
}

std::vector<std::string> Keys(const nlohmann::ordered_json& object)
{
    std::vector<std::string> aKeys;
    for (const auto& [strKey, value] : object.items())
    {
        aKeys.push_back(strKey);
    }
    return aKeys;
}
} // namespace

TEST(ResultJson, TopLevelFieldsInTheirDocumentedOrder)
{
    const std::string strText = FormatResultJson(LiveRun(), Context());
    const json object = Parse(strText);
    EXPECT_EQ(Keys(nlohmann::ordered_json::parse(strText)),
              (std::vector<std::string>{"formatVersion", "program", "machine", "time", "source",
                                        "outcome", "exitCode", "error", "stop", "requirements",
                                        "warnings", "system"}));
    EXPECT_EQ(object["formatVersion"], 1);
    EXPECT_EQ(object["program"], (json{{"name", "rigvet-cli"}, {"version", "1.0.0.1"}}));
    EXPECT_EQ(object["machine"], "lab-pc-07");
    EXPECT_EQ(object["time"], "2026-03-01T09:15:02Z");
    EXPECT_EQ(object["source"], (json{{"kind", "live"}}));
    EXPECT_EQ(object["outcome"], "finished");
    EXPECT_EQ(object["exitCode"], 1);
    EXPECT_TRUE(object["error"].is_null());
    EXPECT_TRUE(object["stop"].is_null());
    EXPECT_EQ(object["warnings"],
              (json::array({{{"id", "virtualization"},
                             {"message", "One or more virtualized devices were detected."}}})));
}

TEST(ResultJson, EachRequirementHasVerdictValueUnitTextAndReason)
{
    const json requirements = Parse(FormatResultJson(LiveRun(), Context()))["requirements"];
    EXPECT_EQ(Keys(nlohmann::ordered_json::parse(requirements.dump())).size(), 6u);
    EXPECT_EQ(requirements["display"], (json{{"name", "Display Device"},
                                             {"verdict", "PASS"},
                                             {"value", 12.1},
                                             {"unit", "feature level"},
                                             {"text", "feature level 12.1"},
                                             {"reason", nullptr}}));
    EXPECT_EQ(requirements["sound"]["value"], true);
    EXPECT_TRUE(requirements["sound"]["unit"].is_null());
    EXPECT_EQ(requirements["updates"]["verdict"], "FAIL");
    EXPECT_EQ(requirements["updates"]["value"], json::array({"4474419", "4536952"}));
    EXPECT_EQ(requirements["updates"]["reason"],
              "Windows 7 SP1 needs the updates 4474419, 4490628, 4536952");
    EXPECT_TRUE(requirements["memory"]["value"].is_number_integer());
    EXPECT_EQ(requirements["memory"]["value"], 16384);
    EXPECT_EQ(requirements["freeDisk"]["unit"], "MB");
    EXPECT_EQ(requirements["clock"]["verdict"], "UNK");
    EXPECT_TRUE(requirements["clock"]["value"].is_null());
    EXPECT_EQ(requirements["clock"]["reason"], "not compared: no consent to use the internet");
}

TEST(ResultJson, RefusedRunHasStopAndNoRequirements)
{
    const json object = Parse(FormatResultJson(RefusedRun(), Context()));
    EXPECT_EQ(object["outcome"], "refused");
    EXPECT_EQ(object["exitCode"], 3);
    EXPECT_EQ(object["stop"], (json{{"reason", "remoteSession"},
                                    {"message", "A remote desktop session has been detected."}}));
    EXPECT_TRUE(object["requirements"].is_null());
    EXPECT_EQ(object["warnings"], json::array());
}

TEST(ResultJson, ReportsMakeAnArrayWithTheirSourceAndErrors)
{
    const json array =
        Parse(FormatResultJsonArray({JudgedReport(), UnreadableReport()}, Context()));
    ASSERT_TRUE(array.is_array());
    ASSERT_EQ(array.size(), 2u);
    EXPECT_EQ(array[0]["source"],
              (json{{"kind", "report"},
                    {"path", "pc07.xml"},
                    {"operatingSystem", "Windows 10 Pro 64-bit (10.0, Build 19045)"},
                    {"systemClass", "windows8OrLater"},
                    {"machine", "=HYPERLINK(\"x\")"},
                    {"driveRoot", "C:\\"}}));
    EXPECT_EQ(array[0]["exitCode"], 1);
    EXPECT_EQ(array[1]["outcome"], "error");
    EXPECT_EQ(array[1]["exitCode"], 4);
    EXPECT_EQ(array[1]["error"],
              (json{{"code", -998}, {"message", "Could not load the dxdiag XML file"}}));
    EXPECT_TRUE(array[1]["source"]["systemClass"].is_null());
    EXPECT_TRUE(array[1]["requirements"].is_null());
    EXPECT_EQ(Parse(FormatResultJsonArray({}, Context())), json::array());
}

TEST(ResultJson, TextThatIsNotUtf8IsReplacedNotFatal)
{
    SQualificationResult result = RefusedRun();
    // A byte that was no UTF-8 comes back as itself from the wide form.
    result.strStopMessage = std::wstring(L"bad ") + static_cast<wchar_t>(0xDCFF) + L" byte";
    const json object = Parse(FormatResultJson(result, Context()));
    EXPECT_EQ(object["stop"]["message"], "bad \xEF\xBF\xBD byte");
}
