#include "collector/SystemFiles.h"
#include "support/RegularFile.h"

#include <dirent.h>
#include <unistd.h>

namespace
{
// Far more than any text of the kernel or the PCI name list (a few megabytes) holds.
constexpr std::size_t kMaxSystemFileBytes = 64 * 1024 * 1024;
} // namespace

std::optional<std::string> ReadSystemFile(const std::string& strPath)
{
    const std::optional<std::vector<char>> aContent =
        ReadRegularFile(strPath, true, kMaxSystemFileBytes);
    if (!aContent)
    {
        return std::nullopt;
    }
    return std::string(aContent->begin(), aContent->end());
}

std::string ReadLinkName(const std::string& strPath)
{
    char aBuffer[4096];
    const ssize_t nLength = readlink(strPath.c_str(), aBuffer, sizeof aBuffer);
    if (nLength <= 0 || static_cast<std::size_t>(nLength) >= sizeof aBuffer)
    {
        return {};
    }
    const std::string strTarget(aBuffer, static_cast<std::size_t>(nLength));
    return strTarget.substr(strTarget.find_last_of('/') + 1);
}

std::vector<std::string> ListFolder(const std::string& strPath)
{
    std::vector<std::string> aNames;
    DIR* pFolder = opendir(strPath.c_str());
    if (pFolder == nullptr)
    {
        return aNames;
    }
    while (const dirent* pEntry = readdir(pFolder))
    {
        const std::string strName = pEntry->d_name;
        if (strName != "." && strName != "..")
        {
            aNames.push_back(strName);
        }
    }
    closedir(pFolder);
    return aNames;
}
