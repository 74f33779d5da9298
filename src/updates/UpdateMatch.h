#pragma once

#include <string>
#include <string_view>
#include <vector>

// One update as the agent reports it: its knowledge-base article ids in the agent's order.
struct SUpdateRecord
{
    std::vector<std::wstring> m_aKbArticleIds;
};

// The matching half of the update search. With no update at all: false, strFound untouched.
// Otherwise strFound becomes every id of every update in order, duplicates kept, joined by ",",
// and the result is true when every item of the required list (trimmed) is one of those ids,
// compared exactly and case-sensitively, false when any item is missing. Linear in the number of
// ids and items.
bool MatchRequiredUpdates(const std::vector<SUpdateRecord>& aUpdates, std::wstring_view strRequired,
                          std::wstring& strFound);
