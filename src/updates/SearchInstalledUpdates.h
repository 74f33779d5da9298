#pragma once

#include "updates/IUpdateAgent.h"

#include <cstdint>
#include <string>

inline constexpr std::int32_t kCoInitializeFailedCode = -999;

// Codes of the update search's failures, one per step; all carry string entry 11000.
enum EUpdateSearchFailure : std::int32_t
{
    kUpdateSessionFailed = 11000,
    kUpdateSearcherFailed = 11001,
    kServerSelectionFailed = 11002,
    kIncludeSupersededFailed = 11003,
    kOfflineFailed = 11004,
    kSearchFailed = 11005,
    kSearchResultMissing = 11006,
    kUpdateCollectionMissing = 11007,
    kUpdateMissing = 11008,
    kKbArticleIdsMissing = 11009,
};

// The criteria of the offline search: every update the agent records as installed, hidden or
// present.
inline constexpr const wchar_t* kUpdateSearchCriteria =
    L"IsInstalled=1 or IsHidden=1 or IsPresent=1";

// Asks the agent, offline, for every update it records and decides whether every item of the
// required list is among their knowledge-base article ids (see MatchRequiredUpdates, which also
// fills strFound). COM is initialised for the call and undone on every way out. Raises
// CZelSimpleException: -999 when COM cannot be initialised, 11000 to 11009 for the agent's steps.
bool SearchInstalledUpdates(IUpdateAgent& agent, std::wstring strRequired, std::wstring& strFound);
