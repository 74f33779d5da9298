#include "collector/SystemFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

std::optional<std::string> ReadSystemFile(const std::string& strPath)
{
    const int fd = open(strPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
    {
        return std::nullopt;
    }
    std::string strContent;
    char aBuffer[65536];
    ssize_t nRead = 0;
    while ((nRead = read(fd, aBuffer, sizeof aBuffer)) > 0)
    {
        strContent.append(aBuffer, static_cast<std::size_t>(nRead));
    }
    close(fd);
    if (nRead < 0)
    {
        return std::nullopt;
    }
    return strContent;
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
