#include "updates/UpdatesFile.h"

#include "support/RegularFile.h"
#include "support/TextConvert.h"
#include "support/TextSplit.h"
#include "updates/ListItems.h"

namespace
{
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

SUpdateRecord ParseUpdateLine(std::string_view strLine)
{
    if (strLine.ends_with('\r'))
    {
        strLine.remove_suffix(1);
    }
    const std::wstring strWideLine = Utf8ToWide(strLine);
    SUpdateRecord record;
    for (std::wstring_view strId : SplitFields(strWideLine, L','))
    {
        record.m_aKbArticleIds.emplace_back(strId);
    }
    return record;
}
} // namespace

std::vector<SUpdateRecord> ParseUpdateRecords(std::string_view strContent)
{
    if (strContent.starts_with(kByteOrderMark))
    {
        strContent.remove_prefix(kByteOrderMark.size());
    }
    std::vector<SUpdateRecord> aRecords;
    while (!strContent.empty())
    {
        const std::size_t nEnd = strContent.find('\n');
        if (nEnd == std::string_view::npos)
        {
            aRecords.push_back(ParseUpdateLine(strContent));
            break;
        }
        aRecords.push_back(ParseUpdateLine(strContent.substr(0, nEnd)));
        strContent.remove_prefix(nEnd + 1);
    }
    return aRecords;
}

std::optional<std::string> ReadUpdatesFile(const std::string& strPath)
{
    const std::optional<std::vector<char>> aContent =
        ReadRegularFile(strPath, true, kMaxUpdatesFileBytes);
    if (!aContent)
    {
        return std::nullopt;
    }
    return std::string(aContent->begin(), aContent->end());
}
