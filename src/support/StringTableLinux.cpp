#include "support/StringTable.h"

namespace
{
struct SStringEntry
{
    unsigned int nId;
    const wchar_t* pszText;
};

// Linux has no resource section to load from, so the table is compiled in.
constexpr SStringEntry g_aStringTable[] = {
#define RIGVET_STRING(name, id, text) {id, text},
#include "StringTable.def"
#undef RIGVET_STRING
};
} // namespace

std::optional<std::wstring> LoadStringTableEntry(unsigned int nId)
{
    for (const SStringEntry& entry : g_aStringTable)
    {
        if (entry.nId == nId)
        {
            return std::wstring(entry.pszText);
        }
    }
    return std::nullopt;
}
