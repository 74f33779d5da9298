#include "support/InstallLayout.h"

#include "support/TextConvert.h"

#include <algorithm>

const char* const kCollectorInstallFolder = RIGVET_COLLECTOR_INSTALL_FOLDER;
const char* const kModuleInstallFolder = RIGVET_MODULE_INSTALL_FOLDER;

namespace
{
// Folders are kept with their final "/" ("/usr/bin/", "/"), so that joining is appending and the
// root stays the root.
std::wstring GetFolder(const std::wstring& strPath)
{
    return strPath.substr(0, strPath.rfind(L'/') + 1);
}

std::wstring GetParentFolder(const std::wstring& strFolder)
{
    if (strFolder.size() <= 1)
    {
        return strFolder; // the root has no parent; no folder stays none
    }
    return GetFolder(strFolder.substr(0, strFolder.size() - 1));
}

// strFolder with each "/"-separated part of strRelative applied: ".." goes up, "." and empty
// parts stay, others go down.
std::wstring ApplyRelativeFolder(std::wstring strFolder, const std::wstring& strRelative)
{
    std::size_t nStart = 0;
    while (nStart <= strRelative.size())
    {
        const std::size_t nEnd = std::min(strRelative.find(L'/', nStart), strRelative.size());
        const std::wstring strPart = strRelative.substr(nStart, nEnd - nStart);
        if (strPart == L"..")
        {
            strFolder = GetParentFolder(strFolder);
        }
        else if (!strPart.empty() && strPart != L".")
        {
            strFolder += strPart + L"/";
        }
        nStart = nEnd + 1;
    }
    return strFolder;
}
} // namespace

std::vector<std::wstring> ListInstalledCandidates(const std::wstring& strProgramPath,
                                                  const std::wstring& strName,
                                                  const std::string& strInstallFolder)
{
    const std::wstring strFolder = GetFolder(strProgramPath);
    const std::wstring strInstalled = ApplyRelativeFolder(strFolder, Utf8ToWide(strInstallFolder));
    return {strFolder + strName, strInstalled + strName};
}

std::wstring ChooseCandidate(const std::vector<std::wstring>& aCandidates,
                             const std::function<bool(const std::wstring&)>& IsUsable)
{
    const auto it = std::find_if(aCandidates.begin(), aCandidates.end(), IsUsable);
    if (it != aCandidates.end())
    {
        return *it;
    }
    return aCandidates.empty() ? std::wstring() : aCandidates.front();
}
