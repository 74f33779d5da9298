#include "updates/UpdateMatch.h"

#include "support/TextSplit.h"
#include "updates/ListItems.h"

#include <functional>
#include <unordered_set>

namespace
{
// Hashes owned and viewed text alike, so an id is looked up without copying it.
struct SWideTextHash
{
    using is_transparent = void;
    std::size_t operator()(std::wstring_view strText) const
    {
        return std::hash<std::wstring_view>{}(strText);
    }
};

using CWideTextSet = std::unordered_set<std::wstring, SWideTextHash, std::equal_to<>>;

std::wstring JoinFoundIds(const std::vector<SUpdateRecord>& aUpdates)
{
    std::size_t nLength = 0;
    for (const SUpdateRecord& update : aUpdates)
    {
        for (const std::wstring& strId : update.m_aKbArticleIds)
        {
            nLength += strId.size() + 1;
        }
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

CWideTextSet ReadRequiredItems(std::wstring_view strRequired)
{
    CWideTextSet required;
    for (std::wstring_view strItem : SplitFields(strRequired, L','))
    {
        required.emplace(TrimListItem(strItem));
    }
    return required;
}

// The required items are few and the ids many, so the ids are run through once, striking off each
// required item they contain; whatever remains was not found. This gives the same verdict as
// looking every item up in the set of ids, without building a set of every id.
bool ContainsAllRequired(const std::vector<SUpdateRecord>& aUpdates, std::wstring_view strRequired)
{
    CWideTextSet missing = ReadRequiredItems(strRequired);
    for (const SUpdateRecord& update : aUpdates)
    {
        for (const std::wstring& strId : update.m_aKbArticleIds)
        {
            if (missing.empty())
            {
                return true;
            }
            const auto it = missing.find(std::wstring_view(strId));
            if (it != missing.end())
            {
                missing.erase(it);
            }
        }
    }
    return missing.empty();
}
} // namespace

bool MatchRequiredUpdates(const std::vector<SUpdateRecord>& aUpdates, std::wstring_view strRequired,
                          std::wstring& strFound)
{
    if (aUpdates.empty())
    {
        return false;
    }
    strFound = JoinFoundIds(aUpdates);
    return ContainsAllRequired(aUpdates, strRequired);
}
