#include "support/ComObjectsWin32.h"
#include "updates/SystemUpdateAgent.h"

#include <objbase.h>
#include <wuapi.h>

// The Windows Update Agent through COM, each of its objects wrapped one to one. Every reference
// and string the agent hands out is owned by a wrapper and released when that goes.
namespace
{
// The class and interface of the agent's session; MinGW's import libraries do not carry them.
constexpr CLSID kClsidUpdateSession = {
    0x4CB43D7F, 0x7EEE, 0x4906, {0x86, 0x98, 0x60, 0xDA, 0x1C, 0x38, 0xF2, 0xFE}};
constexpr IID kIidUpdateSession = {
    0x816858A4, 0x260D, 0x4260, {0x93, 0x3A, 0x25, 0x85, 0xF1, 0xAB, 0xC7, 0x6B}};

class CStringCollection : public IStringCollectionObject
{
public:
    explicit CStringCollection(CComRef<IStringCollection> pIds) : m_pIds(std::move(pIds)) {}
    std::int32_t GetCount(std::int32_t& nCount) override
    {
        LONG nValue = nCount;
        const HRESULT hr = m_pIds->get_Count(&nValue);
        nCount = nValue;
        return hr;
    }
    std::int32_t GetItem(std::int32_t nIndex, std::wstring& strItem) override
    {
        CBstr item;
        const HRESULT hr = m_pIds->get_Item(nIndex, item.Receive());
        if (item.Get() != nullptr)
        {
            strItem = item.ToString();
        }
        return hr;
    }

private:
    CComRef<IStringCollection> m_pIds;
};

class CUpdate : public IUpdateObject
{
public:
    explicit CUpdate(CComRef<IUpdate> pUpdate) : m_pUpdate(std::move(pUpdate)) {}
    std::int32_t GetKBArticleIDs(std::unique_ptr<IStringCollectionObject>& pIds) override
    {
        CComRef<IStringCollection> pCollection;
        const HRESULT hr = m_pUpdate->get_KBArticleIDs(pCollection.Receive());
        if (pCollection)
        {
            pIds = std::make_unique<CStringCollection>(std::move(pCollection));
        }
        return hr;
    }

private:
    CComRef<IUpdate> m_pUpdate;
};

class CUpdateCollection : public IUpdateCollectionObject
{
public:
    explicit CUpdateCollection(CComRef<IUpdateCollection> pUpdates)
        : m_pUpdates(std::move(pUpdates))
    {
    }
    std::int32_t GetCount(std::int32_t& nCount) override
    {
        LONG nValue = nCount;
        const HRESULT hr = m_pUpdates->get_Count(&nValue);
        nCount = nValue;
        return hr;
    }
    std::int32_t GetItem(std::int32_t nIndex, std::unique_ptr<IUpdateObject>& pUpdate) override
    {
        CComRef<IUpdate> pItem;
        const HRESULT hr = m_pUpdates->get_Item(nIndex, pItem.Receive());
        if (pItem)
        {
            pUpdate = std::make_unique<CUpdate>(std::move(pItem));
        }
        return hr;
    }

private:
    CComRef<IUpdateCollection> m_pUpdates;
};

class CSearchResult : public ISearchResultObject
{
public:
    explicit CSearchResult(CComRef<ISearchResult> pResult) : m_pResult(std::move(pResult)) {}
    std::int32_t GetUpdates(std::unique_ptr<IUpdateCollectionObject>& pUpdates) override
    {
        CComRef<IUpdateCollection> pCollection;
        const HRESULT hr = m_pResult->get_Updates(pCollection.Receive());
        if (pCollection)
        {
            pUpdates = std::make_unique<CUpdateCollection>(std::move(pCollection));
        }
        return hr;
    }

private:
    CComRef<ISearchResult> m_pResult;
};

class CUpdateSearcher : public IUpdateSearcherObject
{
public:
    explicit CUpdateSearcher(CComRef<IUpdateSearcher> pSearcher) : m_pSearcher(std::move(pSearcher))
    {
    }
    std::int32_t put_ServerSelection(std::int32_t nServerSelection) override
    {
        return m_pSearcher->put_ServerSelection(static_cast<ServerSelection>(nServerSelection));
    }
    std::int32_t put_IncludePotentiallySupersededUpdates(bool bInclude) override
    {
        return m_pSearcher->put_IncludePotentiallySupersededUpdates(bInclude ? VARIANT_TRUE
                                                                             : VARIANT_FALSE);
    }
    std::int32_t put_Online(bool bOnline) override
    {
        return m_pSearcher->put_Online(bOnline ? VARIANT_TRUE : VARIANT_FALSE);
    }
    std::int32_t Search(const std::wstring& strCriteria,
                        std::unique_ptr<ISearchResultObject>& pResult) override
    {
        const CBstr criteria(strCriteria.c_str());
        CComRef<ISearchResult> pSearchResult;
        const HRESULT hr = m_pSearcher->Search(criteria.Get(), pSearchResult.Receive());
        if (pSearchResult)
        {
            pResult = std::make_unique<CSearchResult>(std::move(pSearchResult));
        }
        return hr;
    }

private:
    CComRef<IUpdateSearcher> m_pSearcher;
};

class CUpdateSession : public IUpdateSessionObject
{
public:
    explicit CUpdateSession(CComRef<IUpdateSession> pSession) : m_pSession(std::move(pSession)) {}
    std::int32_t CreateUpdateSearcher(std::unique_ptr<IUpdateSearcherObject>& pSearcher) override
    {
        CComRef<IUpdateSearcher> pItem;
        const HRESULT hr = m_pSession->CreateUpdateSearcher(pItem.Receive());
        if (pItem)
        {
            pSearcher = std::make_unique<CUpdateSearcher>(std::move(pItem));
        }
        return hr;
    }

private:
    CComRef<IUpdateSession> m_pSession;
};

class CWindowsUpdateAgent : public IUpdateAgent
{
public:
    std::int32_t CoInitialize() override { return ::CoInitialize(nullptr); }
    void CoUninitialize() override { ::CoUninitialize(); }
    std::int32_t CreateUpdateSession(std::unique_ptr<IUpdateSessionObject>& pSession) override
    {
        CComRef<IUpdateSession> pItem;
        const HRESULT hr = CoCreateInstance(kClsidUpdateSession, nullptr, CLSCTX_INPROC_SERVER,
                                            kIidUpdateSession, pItem.ReceiveVoid());
        if (pItem)
        {
            pSession = std::make_unique<CUpdateSession>(std::move(pItem));
        }
        return hr;
    }
};
} // namespace

std::unique_ptr<IUpdateAgent> CreateSystemUpdateAgent()
{
    return std::make_unique<CWindowsUpdateAgent>();
}
