#pragma once

// The knowledge-base articles that Windows 7 SP1 needs, as the run passes them to the update
// search.
inline constexpr const wchar_t* kRequiredUpdates = L"4474419, 4490628, 4536952";
