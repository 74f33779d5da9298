#include "updates/SearchInstalledUpdates.h"

#include "support/CZelSimpleException.h"
#include "support/LoadResourceString.h"
#include "support/StringIds.h"
#include "updates/CComGuard.h"
#include "updates/UpdateMatch.h"

#include <vector>

namespace
{
void Require(bool bSucceeded, EUpdateSearchFailure failure)
{
    if (!bSucceeded)
    {
        throw CZelSimpleException(failure, LoadResourceString(IDS_UPDATE_SEARCH_FAILED));
    }
}

void InitializeCom(IUpdateAgent& agent)
{
    const std::int32_t nStatus = agent.CoInitialize();
    if (nStatus != kAgentStatusOk && nStatus != kAgentStatusFalse)
    {
        throw CZelSimpleException(kCoInitializeFailedCode, L"CoInitialize failed");
    }
}

std::unique_ptr<IUpdateSearcherObject> CreateOfflineSearcher(IUpdateAgent& agent)
{
    std::unique_ptr<IUpdateSessionObject> pSession;
    Require(agent.CreateUpdateSession(pSession) == kAgentStatusOk, kUpdateSessionFailed);
    Require(pSession != nullptr, kUpdateSearcherFailed);

    std::unique_ptr<IUpdateSearcherObject> pSearcher;
    Require(pSession->CreateUpdateSearcher(pSearcher) == kAgentStatusOk, kUpdateSearcherFailed);
    Require(pSearcher != nullptr, kServerSelectionFailed);
    Require(pSearcher->put_ServerSelection(kServerSelectionWindowsUpdate) == kAgentStatusOk,
            kServerSelectionFailed);
    Require(pSearcher->put_IncludePotentiallySupersededUpdates(true) == kAgentStatusOk,
            kIncludeSupersededFailed);
    Require(pSearcher->put_Online(false) == kAgentStatusOk, kOfflineFailed);
    return pSearcher;
}

std::unique_ptr<ISearchResultObject> RunSearch(IUpdateSearcherObject& searcher)
{
    std::unique_ptr<ISearchResultObject> pResult;
    Require(searcher.Search(kUpdateSearchCriteria, pResult) == kAgentStatusOk, kSearchFailed);
    Require(pResult != nullptr, kSearchResultMissing);
    return pResult;
}

// The agent's statuses of the steps below are not examined: only what they deliver counts.
SUpdateRecord ReadUpdateRecord(IUpdateObject& update)
{
    std::unique_ptr<IStringCollectionObject> pIds;
    update.GetKBArticleIDs(pIds);
    Require(pIds != nullptr, kKbArticleIdsMissing);
    std::int32_t nIdCount = 0;
    pIds->GetCount(nIdCount);
    SUpdateRecord record;
    for (std::int32_t j = 0; j < nIdCount; ++j)
    {
        std::wstring strId;
        pIds->GetItem(j, strId);
        record.m_aKbArticleIds.push_back(std::move(strId));
    }
    return record;
}

std::vector<SUpdateRecord> ReadUpdateRecords(ISearchResultObject& result)
{
    std::unique_ptr<IUpdateCollectionObject> pUpdates;
    result.GetUpdates(pUpdates);
    Require(pUpdates != nullptr, kUpdateCollectionMissing);
    std::int32_t nUpdateCount = 0;
    pUpdates->GetCount(nUpdateCount);
    std::vector<SUpdateRecord> aRecords;
    for (std::int32_t i = 0; i < nUpdateCount; ++i)
    {
        std::unique_ptr<IUpdateObject> pUpdate;
        pUpdates->GetItem(i, pUpdate);
        Require(pUpdate != nullptr, kUpdateMissing);
        aRecords.push_back(ReadUpdateRecord(*pUpdate));
    }
    return aRecords;
}

// Every agent object is released when this returns, before COM is undone.
std::vector<SUpdateRecord> CollectUpdateRecords(IUpdateAgent& agent)
{
    const std::unique_ptr<IUpdateSearcherObject> pSearcher = CreateOfflineSearcher(agent);
    const std::unique_ptr<ISearchResultObject> pResult = RunSearch(*pSearcher);
    return ReadUpdateRecords(*pResult);
}
} // namespace

bool SearchInstalledUpdates(IUpdateAgent& agent, std::wstring strRequired, std::wstring& strFound)
{
    InitializeCom(agent);
    CComGuard comGuard(agent);
    const std::vector<SUpdateRecord> aRecords = CollectUpdateRecords(agent);
    const bool bAllFound = MatchRequiredUpdates(aRecords, strRequired, strFound);
    comGuard.Release();
    return bAllFound;
}
