#include "updates/CFileUpdateAgent.h"
#include "updates/SystemUpdateAgent.h"

#include <cstdlib>

std::unique_ptr<IUpdateAgent> CreateSystemUpdateAgent()
{
    const char* pszPath = std::getenv(kUpdatesFileVariable);
    return std::make_unique<CFileUpdateAgent>(
        pszPath == nullptr ? std::nullopt : std::optional<std::string>(pszPath));
}
