#include "updates/CFileUpdateAgent.h"

#include "updates/UpdatesFile.h"

#include <vector>

namespace
{
using CRecords = std::shared_ptr<const std::vector<SUpdateRecord>>;

// The agent's answer to an index outside a collection (E_INVALIDARG).
constexpr std::int32_t kStatusInvalidArgument = static_cast<std::int32_t>(0x80070057u);

class CRecordIds : public IStringCollectionObject
{
public:
    CRecordIds(CRecords pRecords, std::size_t nUpdate)
        : m_pRecords(std::move(pRecords)), m_nUpdate(nUpdate)
    {
    }

    std::int32_t GetCount(std::int32_t& nCount) override
    {
        nCount = static_cast<std::int32_t>(Ids().size());
        return kAgentStatusOk;
    }

    std::int32_t GetItem(std::int32_t nIndex, std::wstring& strItem) override
    {
        if (nIndex < 0 || static_cast<std::size_t>(nIndex) >= Ids().size())
        {
            return kStatusInvalidArgument;
        }
        strItem = Ids()[static_cast<std::size_t>(nIndex)];
        return kAgentStatusOk;
    }

private:
    const std::vector<std::wstring>& Ids() const
    {
        return (*m_pRecords)[m_nUpdate].m_aKbArticleIds;
    }

    CRecords m_pRecords;
    std::size_t m_nUpdate;
};

class CRecordUpdate : public IUpdateObject
{
public:
    CRecordUpdate(CRecords pRecords, std::size_t nUpdate)
        : m_pRecords(std::move(pRecords)), m_nUpdate(nUpdate)
    {
    }

    std::int32_t GetKBArticleIDs(std::unique_ptr<IStringCollectionObject>& pIds) override
    {
        pIds = std::make_unique<CRecordIds>(m_pRecords, m_nUpdate);
        return kAgentStatusOk;
    }

private:
    CRecords m_pRecords;
    std::size_t m_nUpdate;
};

class CRecordCollection : public IUpdateCollectionObject
{
public:
    explicit CRecordCollection(CRecords pRecords) : m_pRecords(std::move(pRecords)) {}

    std::int32_t GetCount(std::int32_t& nCount) override
    {
        nCount = static_cast<std::int32_t>(m_pRecords->size());
        return kAgentStatusOk;
    }

    std::int32_t GetItem(std::int32_t nIndex, std::unique_ptr<IUpdateObject>& pUpdate) override
    {
        if (nIndex < 0 || static_cast<std::size_t>(nIndex) >= m_pRecords->size())
        {
            return kStatusInvalidArgument;
        }
        pUpdate = std::make_unique<CRecordUpdate>(m_pRecords, static_cast<std::size_t>(nIndex));
        return kAgentStatusOk;
    }

private:
    CRecords m_pRecords;
};

class CRecordSearchResult : public ISearchResultObject
{
public:
    explicit CRecordSearchResult(CRecords pRecords) : m_pRecords(std::move(pRecords)) {}

    std::int32_t GetUpdates(std::unique_ptr<IUpdateCollectionObject>& pUpdates) override
    {
        pUpdates = std::make_unique<CRecordCollection>(m_pRecords);
        return kAgentStatusOk;
    }

private:
    CRecords m_pRecords;
};

// The file lists what is on the machine; the searcher's settings and criteria select all of it.
class CRecordSearcher : public IUpdateSearcherObject
{
public:
    explicit CRecordSearcher(CRecords pRecords) : m_pRecords(std::move(pRecords)) {}

    std::int32_t put_ServerSelection(std::int32_t) override { return kAgentStatusOk; }
    std::int32_t put_IncludePotentiallySupersededUpdates(bool) override { return kAgentStatusOk; }
    std::int32_t put_Online(bool) override { return kAgentStatusOk; }

    std::int32_t Search(const std::wstring&, std::unique_ptr<ISearchResultObject>& pResult) override
    {
        pResult = std::make_unique<CRecordSearchResult>(m_pRecords);
        return kAgentStatusOk;
    }

private:
    CRecords m_pRecords;
};

class CRecordSession : public IUpdateSessionObject
{
public:
    explicit CRecordSession(CRecords pRecords) : m_pRecords(std::move(pRecords)) {}

    std::int32_t CreateUpdateSearcher(std::unique_ptr<IUpdateSearcherObject>& pSearcher) override
    {
        pSearcher = std::make_unique<CRecordSearcher>(m_pRecords);
        return kAgentStatusOk;
    }

private:
    CRecords m_pRecords;
};
} // namespace

std::unique_ptr<IUpdateSessionObject> CreateRecordSession(std::vector<SUpdateRecord> aRecords)
{
    return std::make_unique<CRecordSession>(
        std::make_shared<const std::vector<SUpdateRecord>>(std::move(aRecords)));
}

CFileUpdateAgent::CFileUpdateAgent(std::optional<std::string> strPath)
    : m_strPath(std::move(strPath))
{
}

std::int32_t CFileUpdateAgent::CreateUpdateSession(std::unique_ptr<IUpdateSessionObject>& pSession)
{
    if (!m_strPath)
    {
        return kAgentStatusFail;
    }
    const std::optional<std::string> strContent = ReadUpdatesFile(*m_strPath);
    if (!strContent)
    {
        return kAgentStatusFail;
    }
    pSession = CreateRecordSession(ParseUpdateRecords(*strContent));
    return kAgentStatusOk;
}
