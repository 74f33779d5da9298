#include "collector/StorageMounts.h"

#include <algorithm>
#include <array>

namespace
{
constexpr std::array<std::string_view, 18> kPseudoFileSystems = {
    "proc",       "sysfs",       "devpts",   "mqueue",     "debugfs",  "tracefs",
    "securityfs", "pstore",      "bpf",      "autofs",     "configfs", "fusectl",
    "hugetlbfs",  "binfmt_misc", "efivarfs", "rpc_pipefs", "nsfs",     "devtmpfs",
};
} // namespace

bool IsStorageFileSystem(std::string_view strFileSystem)
{
    if (strFileSystem.starts_with("cgroup"))
    {
        return false;
    }
    return std::find(kPseudoFileSystems.begin(), kPseudoFileSystems.end(), strFileSystem) ==
           kPseudoFileSystems.end();
}

std::vector<SMountEntry> SelectStorageMounts(const std::vector<SMountEntry>& aMounts)
{
    std::vector<SMountEntry> aSelected;
    for (const SMountEntry& mount : aMounts)
    {
        const auto itSame = std::find_if(aSelected.begin(), aSelected.end(),
                                         [&](const SMountEntry& kept)
                                         { return kept.m_strMountPoint == mount.m_strMountPoint; });
        if (itSame != aSelected.end())
        {
            *itSame = mount;
        }
        else
        {
            aSelected.push_back(mount);
        }
    }
    std::erase_if(aSelected, [](const SMountEntry& mount)
                  { return !IsStorageFileSystem(mount.m_strFileSystem); });
    // A root that is no mount of its own (a chroot) holds files all the same; the reader falls
    // back to "/" for it too.
    if (std::none_of(aSelected.begin(), aSelected.end(),
                     [](const SMountEntry& mount) { return mount.m_strMountPoint == "/"; }))
    {
        aSelected.insert(aSelected.begin(), SMountEntry{"/", ""});
    }
    return aSelected;
}
