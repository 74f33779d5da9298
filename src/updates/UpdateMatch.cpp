#include "updates/UpdateMatch.h"

#include "updates/ListItems.h"

#include <unordered_set>

namespace
{
std::wstring JoinFoundIds(const std::vector<SUpdateRecord>& aUpdates, std::size_t& nIdCount)
{
    std::size_t nLength = 0;
    nIdCount = 0;
    for (const SUpdateRecord& update : aUpdates)
    {
        for (const std::wstring& strId : update.m_aKbArticleIds)
        {
            nLength += strId.size() + 1;
        }
        nIdCount += update.m_aKbArticleIds.size();
    }
    std::wstring strJoined;
    strJoined.reserve(nLength);
    for (const SUpdateRecord& update : aUpdates)
    {
        for (const std::wstring& strId : update.m_aKbArticleIds)
        {
            strJoined += strId;
            strJoined += L',';
        }
    }
    if (!strJoined.empty())
    {
        strJoined.pop_back(); // the "," after the last id
    }
    return strJoined;
}

// Takes the ids over instead of copying them; the records are not used afterwards.
std::unordered_set<std::wstring> CollectFoundSet(std::vector<SUpdateRecord>& aUpdates,
                                                 std::size_t nIdCount)
{
    std::unordered_set<std::wstring> found;
    found.reserve(nIdCount);
    for (SUpdateRecord& update : aUpdates)
    {
        for (std::wstring& strId : update.m_aKbArticleIds)
        {
            found.insert(std::move(strId));
        }
    }
    return found;
}
} // namespace

bool MatchRequiredUpdates(std::vector<SUpdateRecord> aUpdates, std::wstring_view strRequired,
                          std::wstring& strFound)
{
    if (aUpdates.empty())
    {
        return false;
    }
    std::size_t nIdCount = 0;
    strFound = JoinFoundIds(aUpdates, nIdCount);
    const std::unordered_set<std::wstring> found = CollectFoundSet(aUpdates, nIdCount);
    for (std::wstring_view strItem : SplitListItems(strRequired))
    {
        if (!found.contains(std::wstring(TrimListItem(strItem))))
        {
            return false;
        }
    }
    return true;
}
