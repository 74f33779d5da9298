#include "updates/SearchInstalledUpdates.h"

#include "support/CZelSimpleException.h"
#include "support/LoadResourceString.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace
{
constexpr std::int32_t kFailure = static_cast<std::int32_t>(0x80004005u);
constexpr std::int32_t kOtherSuccess = 2;

// What the fake agent answers and what it saw. Calls are named like the agent's methods; the
// collections' calls carry their collection and index ("Updates.GetItem(1)", "Ids.GetCount").
struct SFakeAgentScript
{
    std::vector<std::vector<std::wstring>> aUpdates;
    // Status per call name without index; 0 when not listed.
    std::map<std::string, std::int32_t> statuses;
    // Calls (with index) that deliver nothing: no object, no count, no string.
    std::set<std::string> nullDeliveries;

    std::vector<std::string> aCalls;
    int nLiveObjects = 0;
    std::vector<int> aLiveObjectsAtUninitialize;
    std::optional<std::int32_t> serverSelection;
    std::optional<bool> includeSuperseded;
    std::optional<bool> online;
    std::optional<std::wstring> criteria;

    std::int32_t Call(const std::string& strName, const std::string& strIndex = "")
    {
        aCalls.push_back(strName + strIndex);
        const auto it = statuses.find(strName);
        return it == statuses.end() ? kAgentStatusOk : it->second;
    }
    bool Delivers(const std::string& strCall) const { return !nullDeliveries.contains(strCall); }
    int UninitializeCount() const
    {
        return static_cast<int>(std::count(aCalls.begin(), aCalls.end(), "CoUninitialize"));
    }
};

// Counts itself among the live agent objects, so a test sees what was not released.
class CFakeObject
{
public:
    explicit CFakeObject(SFakeAgentScript& script) : m_script(script) { ++m_script.nLiveObjects; }
    CFakeObject(const CFakeObject&) = delete;
    CFakeObject& operator=(const CFakeObject&) = delete;
    ~CFakeObject() { --m_script.nLiveObjects; }

protected:
    SFakeAgentScript& m_script;
};

std::string Index(std::int32_t n)
{
    // Appended rather than prefixed: GCC 12 warns falsely (-Wrestrict) on "literal" + string.
    std::string strIndex = "(";
    strIndex += std::to_string(n);
    strIndex += ")";
    return strIndex;
}

class CFakeIds : public IStringCollectionObject, CFakeObject
{
public:
    CFakeIds(SFakeAgentScript& script, std::size_t nUpdate)
        : CFakeObject(script), m_nUpdate(nUpdate)
    {
    }
    std::int32_t GetCount(std::int32_t& nCount) override
    {
        const std::int32_t nStatus = m_script.Call("Ids.GetCount");
        if (m_script.Delivers("Ids.GetCount"))
        {
            nCount = static_cast<std::int32_t>(m_script.aUpdates[m_nUpdate].size());
        }
        return nStatus;
    }
    std::int32_t GetItem(std::int32_t nIndex, std::wstring& strItem) override
    {
        const std::int32_t nStatus = m_script.Call("Ids.GetItem", Index(nIndex));
        if (m_script.Delivers("Ids.GetItem" + Index(nIndex)))
        {
            strItem = m_script.aUpdates[m_nUpdate].at(static_cast<std::size_t>(nIndex));
        }
        return nStatus;
    }

private:
    std::size_t m_nUpdate;
};

class CFakeUpdate : public IUpdateObject, CFakeObject
{
public:
    CFakeUpdate(SFakeAgentScript& script, std::size_t nUpdate)
        : CFakeObject(script), m_nUpdate(nUpdate)
    {
    }
    std::int32_t GetKBArticleIDs(std::unique_ptr<IStringCollectionObject>& pIds) override
    {
        const std::string strIndex = Index(static_cast<std::int32_t>(m_nUpdate));
        const std::int32_t nStatus = m_script.Call("GetKBArticleIDs", strIndex);
        if (m_script.Delivers("GetKBArticleIDs" + strIndex))
        {
            pIds = std::make_unique<CFakeIds>(m_script, m_nUpdate);
        }
        return nStatus;
    }

private:
    std::size_t m_nUpdate;
};

class CFakeUpdates : public IUpdateCollectionObject, CFakeObject
{
public:
    using CFakeObject::CFakeObject;
    std::int32_t GetCount(std::int32_t& nCount) override
    {
        const std::int32_t nStatus = m_script.Call("Updates.GetCount");
        if (m_script.Delivers("Updates.GetCount"))
        {
            nCount = static_cast<std::int32_t>(m_script.aUpdates.size());
        }
        return nStatus;
    }
    std::int32_t GetItem(std::int32_t nIndex, std::unique_ptr<IUpdateObject>& pUpdate) override
    {
        const std::int32_t nStatus = m_script.Call("Updates.GetItem", Index(nIndex));
        if (m_script.Delivers("Updates.GetItem" + Index(nIndex)))
        {
            pUpdate = std::make_unique<CFakeUpdate>(m_script, static_cast<std::size_t>(nIndex));
        }
        return nStatus;
    }
};

class CFakeResult : public ISearchResultObject, CFakeObject
{
public:
    using CFakeObject::CFakeObject;
    std::int32_t GetUpdates(std::unique_ptr<IUpdateCollectionObject>& pUpdates) override
    {
        const std::int32_t nStatus = m_script.Call("GetUpdates");
        if (m_script.Delivers("GetUpdates"))
        {
            pUpdates = std::make_unique<CFakeUpdates>(m_script);
        }
        return nStatus;
    }
};

class CFakeSearcher : public IUpdateSearcherObject, CFakeObject
{
public:
    using CFakeObject::CFakeObject;
    std::int32_t put_ServerSelection(std::int32_t nServerSelection) override
    {
        m_script.serverSelection = nServerSelection;
        return m_script.Call("put_ServerSelection");
    }
    std::int32_t put_IncludePotentiallySupersededUpdates(bool bInclude) override
    {
        m_script.includeSuperseded = bInclude;
        return m_script.Call("put_IncludePotentiallySupersededUpdates");
    }
    std::int32_t put_Online(bool bOnline) override
    {
        m_script.online = bOnline;
        return m_script.Call("put_Online");
    }
    std::int32_t Search(const std::wstring& strCriteria,
                        std::unique_ptr<ISearchResultObject>& pResult) override
    {
        m_script.criteria = strCriteria;
        const std::int32_t nStatus = m_script.Call("Search");
        if (m_script.Delivers("Search"))
        {
            pResult = std::make_unique<CFakeResult>(m_script);
        }
        return nStatus;
    }
};

class CFakeSession : public IUpdateSessionObject, CFakeObject
{
public:
    using CFakeObject::CFakeObject;
    std::int32_t CreateUpdateSearcher(std::unique_ptr<IUpdateSearcherObject>& pSearcher) override
    {
        const std::int32_t nStatus = m_script.Call("CreateUpdateSearcher");
        if (m_script.Delivers("CreateUpdateSearcher"))
        {
            pSearcher = std::make_unique<CFakeSearcher>(m_script);
        }
        return nStatus;
    }
};

class CFakeUpdateAgent : public IUpdateAgent
{
public:
    explicit CFakeUpdateAgent(SFakeAgentScript& script) : m_script(script) {}
    std::int32_t CoInitialize() override { return m_script.Call("CoInitialize"); }
    void CoUninitialize() override
    {
        m_script.Call("CoUninitialize");
        m_script.aLiveObjectsAtUninitialize.push_back(m_script.nLiveObjects);
    }
    std::int32_t CreateUpdateSession(std::unique_ptr<IUpdateSessionObject>& pSession) override
    {
        const std::int32_t nStatus = m_script.Call("CreateUpdateSession");
        if (m_script.Delivers("CreateUpdateSession"))
        {
            pSession = std::make_unique<CFakeSession>(m_script);
        }
        return nStatus;
    }

private:
    SFakeAgentScript& m_script;
};

SFakeAgentScript RequiredUpdatesScript()
{
    SFakeAgentScript script;
    script.aUpdates = {{L"4474419"}, {L"4490628", L"4536952"}};
    return script;
}

// Runs the search; the code of the exception it raised, if any.
std::optional<CZelSimpleException> RunSearch(SFakeAgentScript& script, std::wstring& strFound,
                                             bool& bResult)
{
    CFakeUpdateAgent agent(script);
    try
    {
        bResult = SearchInstalledUpdates(agent, L"4474419, 4490628, 4536952", strFound);
    }
    catch (CZelSimpleException exception)
    {
        return exception;
    }
    return std::nullopt;
}

const std::vector<std::string> kSearchSetupCalls = {
    "CoInitialize",
    "CreateUpdateSession",
    "CreateUpdateSearcher",
    "put_ServerSelection",
    "put_IncludePotentiallySupersededUpdates",
    "put_Online",
    "Search",
};

std::vector<std::string> Concat(std::vector<std::string> aFirst,
                                const std::vector<std::string>& aSecond)
{
    aFirst.insert(aFirst.end(), aSecond.begin(), aSecond.end());
    return aFirst;
}

TEST(SearchInstalledUpdates, CallsTheAgentInOrderAndUninitializesLast)
{
    SFakeAgentScript script = RequiredUpdatesScript();
    std::wstring strFound;
    bool bResult = false;
    ASSERT_FALSE(RunSearch(script, strFound, bResult));
    EXPECT_TRUE(bResult);
    EXPECT_EQ(strFound, L"4474419,4490628,4536952");
    EXPECT_EQ(script.aCalls,
              Concat(kSearchSetupCalls,
                     {"GetUpdates", "Updates.GetCount", "Updates.GetItem(0)", "GetKBArticleIDs(0)",
                      "Ids.GetCount", "Ids.GetItem(0)", "Updates.GetItem(1)", "GetKBArticleIDs(1)",
                      "Ids.GetCount", "Ids.GetItem(0)", "Ids.GetItem(1)", "CoUninitialize"}));
    EXPECT_EQ(script.aLiveObjectsAtUninitialize, std::vector<int>{0});
}

TEST(SearchInstalledUpdates, PassesTheOfflineSettingsAndTheCriteriaUnchanged)
{
    SFakeAgentScript script = RequiredUpdatesScript();
    std::wstring strFound;
    bool bResult = false;
    ASSERT_FALSE(RunSearch(script, strFound, bResult));
    EXPECT_EQ(script.serverSelection, 2);
    EXPECT_EQ(script.includeSuperseded, true);
    EXPECT_EQ(script.online, false);
    EXPECT_EQ(script.criteria, L"IsInstalled=1 or IsHidden=1 or IsPresent=1");
}

TEST(SearchInstalledUpdates, ComAlreadyInitializedProceedsAndStillUninitializesOnce)
{
    SFakeAgentScript script = RequiredUpdatesScript();
    script.statuses["CoInitialize"] = kAgentStatusFalse;
    std::wstring strFound;
    bool bResult = false;
    ASSERT_FALSE(RunSearch(script, strFound, bResult));
    EXPECT_TRUE(bResult);
    EXPECT_EQ(script.UninitializeCount(), 1);
}

class CoInitializeFailureTest : public ::testing::TestWithParam<std::int32_t>
{
};

TEST_P(CoInitializeFailureTest, RaisesMinus999AndNeverUninitializes)
{
    SFakeAgentScript script = RequiredUpdatesScript();
    script.statuses["CoInitialize"] = GetParam();
    std::wstring strFound;
    bool bResult = false;
    const std::optional<CZelSimpleException> exception = RunSearch(script, strFound, bResult);
    ASSERT_TRUE(exception);
    EXPECT_EQ(exception->m_nCode, -999);
    EXPECT_EQ(exception->m_strMessage, L"CoInitialize failed");
    EXPECT_EQ(script.aCalls, std::vector<std::string>{"CoInitialize"});
}

// A failure, the apartment-mode clash, and a success code other than S_OK and S_FALSE.
INSTANTIATE_TEST_SUITE_P(Statuses, CoInitializeFailureTest,
                         ::testing::Values(kFailure, static_cast<std::int32_t>(0x80010106u),
                                           kOtherSuccess));

struct SStepFailureCase
{
    const char* pszName;
    std::string strCall;  // the call that fails
    bool bNullDelivery;   // it delivers nothing (else: it returns nStatus)
    std::int32_t nStatus; // its status when it does not deliver nothing
    std::int32_t nExpectedCode;
};

class StepFailureTest : public ::testing::TestWithParam<SStepFailureCase>
{
};

TEST_P(StepFailureTest, RaisesTheStepCodeStopsAndUninitializesOnceAfterReleasingEverything)
{
    const SStepFailureCase& testCase = GetParam();
    SFakeAgentScript script = RequiredUpdatesScript();
    if (testCase.bNullDelivery)
    {
        script.nullDeliveries.insert(testCase.strCall);
    }
    else
    {
        script.statuses[testCase.strCall] = testCase.nStatus;
    }
    std::wstring strFound;
    bool bResult = false;
    const std::optional<CZelSimpleException> exception = RunSearch(script, strFound, bResult);

    ASSERT_TRUE(exception);
    EXPECT_EQ(exception->m_nCode, testCase.nExpectedCode);
    EXPECT_EQ(exception->m_strMessage, LoadResourceString(11000));
    ASSERT_GE(script.aCalls.size(), 2u);
    EXPECT_EQ(script.aCalls[script.aCalls.size() - 2], testCase.strCall) << "not the last step";
    EXPECT_EQ(script.aCalls.back(), "CoUninitialize");
    EXPECT_EQ(script.UninitializeCount(), 1);
    EXPECT_EQ(script.aLiveObjectsAtUninitialize, std::vector<int>{0});
    EXPECT_EQ(strFound, L"");
}

INSTANTIATE_TEST_SUITE_P(
    Steps, StepFailureTest,
    ::testing::Values(
        SStepFailureCase{"SessionNotCreated", "CreateUpdateSession", false, kFailure, 11000},
        SStepFailureCase{"SessionOtherSuccess", "CreateUpdateSession", false, kAgentStatusFalse,
                         11000},
        SStepFailureCase{"NoSession", "CreateUpdateSession", true, 0, 11001},
        SStepFailureCase{"SearcherNotCreated", "CreateUpdateSearcher", false, kFailure, 11001},
        SStepFailureCase{"SearcherOtherSuccess", "CreateUpdateSearcher", false, kOtherSuccess,
                         11001},
        SStepFailureCase{"NoSearcher", "CreateUpdateSearcher", true, 0, 11002},
        SStepFailureCase{"ServerSelection", "put_ServerSelection", false, kFailure, 11002},
        SStepFailureCase{"ServerSelectionOtherSuccess", "put_ServerSelection", false,
                         kAgentStatusFalse, 11002},
        SStepFailureCase{"IncludeSuperseded", "put_IncludePotentiallySupersededUpdates", false,
                         kFailure, 11003},
        SStepFailureCase{"IncludeSupersededOtherSuccess", "put_IncludePotentiallySupersededUpdates",
                         false, kAgentStatusFalse, 11003},
        SStepFailureCase{"Offline", "put_Online", false, kFailure, 11004},
        SStepFailureCase{"OfflineOtherSuccess", "put_Online", false, kOtherSuccess, 11004},
        SStepFailureCase{"Search", "Search", false, kFailure, 11005},
        SStepFailureCase{"SearchOtherSuccess", "Search", false, kAgentStatusFalse, 11005},
        SStepFailureCase{"NoSearchResult", "Search", true, 0, 11006},
        SStepFailureCase{"NoUpdateCollection", "GetUpdates", true, 0, 11007},
        SStepFailureCase{"NoFirstUpdate", "Updates.GetItem(0)", true, 0, 11008},
        SStepFailureCase{"NoSecondUpdate", "Updates.GetItem(1)", true, 0, 11008},
        SStepFailureCase{"NoIdsOfFirstUpdate", "GetKBArticleIDs(0)", true, 0, 11009},
        SStepFailureCase{"NoIdsOfSecondUpdate", "GetKBArticleIDs(1)", true, 0, 11009}),
    [](const ::testing::TestParamInfo<SStepFailureCase>& info) { return info.param.pszName; });

// The statuses of the collection's calls are not examined: what they deliver is used.
TEST(SearchInstalledUpdates, IgnoresTheStatusOfCallsThatDeliverTheirValue)
{
    SFakeAgentScript script = RequiredUpdatesScript();
    for (const char* pszCall : {"GetUpdates", "Updates.GetCount", "Updates.GetItem",
                                "GetKBArticleIDs", "Ids.GetCount", "Ids.GetItem"})
    {
        script.statuses[pszCall] = kFailure;
    }
    std::wstring strFound;
    bool bResult = false;
    ASSERT_FALSE(RunSearch(script, strFound, bResult));
    EXPECT_TRUE(bResult);
    EXPECT_EQ(strFound, L"4474419,4490628,4536952");
}

TEST(SearchInstalledUpdates, NoUpdateCountMeansNoUpdate)
{
    SFakeAgentScript script = RequiredUpdatesScript();
    script.nullDeliveries.insert("Updates.GetCount");
    std::wstring strFound;
    bool bResult = true;
    ASSERT_FALSE(RunSearch(script, strFound, bResult));
    EXPECT_FALSE(bResult);
    EXPECT_EQ(strFound, L"");
    EXPECT_EQ(script.aCalls,
              Concat(kSearchSetupCalls, {"GetUpdates", "Updates.GetCount", "CoUninitialize"}));
}

TEST(SearchInstalledUpdates, NoIdCountMeansAnUpdateWithoutIds)
{
    SFakeAgentScript script = RequiredUpdatesScript();
    script.aUpdates = {{L"1"}, {L"2"}};
    script.nullDeliveries.insert("Ids.GetCount");
    std::wstring strFound;
    bool bResult = true;
    ASSERT_FALSE(RunSearch(script, strFound, bResult));
    EXPECT_FALSE(bResult);
    EXPECT_EQ(strFound, L"");
}

TEST(SearchInstalledUpdates, AnIdDeliveredAsNullIsTheEmptyId)
{
    SFakeAgentScript script;
    script.aUpdates = {{L"4474419", L"4490628", L"4536952"}};
    script.nullDeliveries.insert("Ids.GetItem(1)");
    std::wstring strFound;
    bool bResult = true;
    ASSERT_FALSE(RunSearch(script, strFound, bResult));
    EXPECT_FALSE(bResult);
    EXPECT_EQ(strFound, L"4474419,,4536952");
}

TEST(SearchInstalledUpdates, NoUpdateAtAllIsFalseAndLeavesTheFoundListAlone)
{
    SFakeAgentScript script;
    std::wstring strFound = L"as it came";
    bool bResult = true;
    ASSERT_FALSE(RunSearch(script, strFound, bResult));
    EXPECT_FALSE(bResult);
    EXPECT_EQ(strFound, L"as it came");
    EXPECT_EQ(script.UninitializeCount(), 1);
}

TEST(SearchInstalledUpdates, MissingRequiredArticleIsFalseWithEveryIdListed)
{
    SFakeAgentScript script;
    script.aUpdates = {{L"4474419"}, {L"4536952", L"4474419"}};
    std::wstring strFound;
    bool bResult = true;
    ASSERT_FALSE(RunSearch(script, strFound, bResult));
    EXPECT_FALSE(bResult);
    EXPECT_EQ(strFound, L"4474419,4536952,4474419");
    EXPECT_EQ(script.UninitializeCount(), 1);
}
} // namespace
