#pragma once

#include <cstdint>
#include <memory>
#include <string>

// The update search's view of the Windows Update Agent, shaped like the agent's own COM objects
// so that the Windows adapter wraps them one to one and a fake drives every step in the tests.
// Every call returns a status like the agent's: 0 is success, 1 is the "already done" success of
// COM initialisation, negative values are failures. An object asked for may be delivered as null
// even when the status says success. Objects are owned by the caller.

inline constexpr std::int32_t kAgentStatusOk = 0;
inline constexpr std::int32_t kAgentStatusFalse = 1;
// The agent's generic failure (E_FAIL).
inline constexpr std::int32_t kAgentStatusFail = static_cast<std::int32_t>(0x80004005u);

// The agent's server selection "Windows Update" (ssWindowsUpdate).
inline constexpr std::int32_t kServerSelectionWindowsUpdate = 2;

class IStringCollectionObject
{
public:
    virtual ~IStringCollectionObject() = default;
    // Leaves nCount unchanged when the agent delivers no number.
    virtual std::int32_t GetCount(std::int32_t& nCount) = 0;
    // Leaves strItem unchanged when the agent delivers no string (a null string).
    virtual std::int32_t GetItem(std::int32_t nIndex, std::wstring& strItem) = 0;
};

class IUpdateObject
{
public:
    virtual ~IUpdateObject() = default;
    virtual std::int32_t GetKBArticleIDs(std::unique_ptr<IStringCollectionObject>& pIds) = 0;
};

class IUpdateCollectionObject
{
public:
    virtual ~IUpdateCollectionObject() = default;
    // Leaves nCount unchanged when the agent delivers no number.
    virtual std::int32_t GetCount(std::int32_t& nCount) = 0;
    virtual std::int32_t GetItem(std::int32_t nIndex, std::unique_ptr<IUpdateObject>& pUpdate) = 0;
};

class ISearchResultObject
{
public:
    virtual ~ISearchResultObject() = default;
    virtual std::int32_t GetUpdates(std::unique_ptr<IUpdateCollectionObject>& pUpdates) = 0;
};

class IUpdateSearcherObject
{
public:
    virtual ~IUpdateSearcherObject() = default;
    virtual std::int32_t put_ServerSelection(std::int32_t nServerSelection) = 0;
    virtual std::int32_t put_IncludePotentiallySupersededUpdates(bool bInclude) = 0;
    virtual std::int32_t put_Online(bool bOnline) = 0;
    virtual std::int32_t Search(const std::wstring& strCriteria,
                                std::unique_ptr<ISearchResultObject>& pResult) = 0;
};

class IUpdateSessionObject
{
public:
    virtual ~IUpdateSessionObject() = default;
    virtual std::int32_t
    CreateUpdateSearcher(std::unique_ptr<IUpdateSearcherObject>& pSearcher) = 0;
};

// The agent itself: COM initialisation of the calling thread and the session object.
class IUpdateAgent
{
public:
    virtual ~IUpdateAgent() = default;
    virtual std::int32_t CoInitialize() = 0;
    virtual void CoUninitialize() = 0;
    virtual std::int32_t CreateUpdateSession(std::unique_ptr<IUpdateSessionObject>& pSession) = 0;
};
