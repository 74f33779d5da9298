#include "updates/CFileUpdateAgent.h"
#include "updates/SystemUpdateAgent.h"

#include <cstdlib>

namespace
{
// Linux has no Windows Update Agent; when it answers as Windows 7 (RIGVET_OS_VERSION), the
// updates it reports come from the file this variable names.
constexpr const char* kUpdatesFileVariable = "RIGVET_UPDATES_FILE";
} // namespace

std::unique_ptr<IUpdateAgent> CreateSystemUpdateAgent()
{
    const char* pszPath = std::getenv(kUpdatesFileVariable);
    return std::make_unique<CFileUpdateAgent>(
        pszPath == nullptr ? std::nullopt : std::optional<std::string>(pszPath));
}
