#include "support/RegularFile.h"
#include "updates/UpdatesFile.h"

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
