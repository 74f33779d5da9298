#include "diagnostics/TempDirectory.h"

namespace
{
bool IsAbsolute(const std::optional<std::wstring>& strPath)
{
    return strPath && !strPath->empty() && strPath->front() == L'/';
}
} // namespace

std::wstring ChooseTempDirectory(const STempDirectoryCandidates& candidates,
                                 const std::function<bool(const std::wstring&)>& IsPrivateDirectory)
{
    if (IsAbsolute(candidates.strRuntimeDirectory) &&
        IsPrivateDirectory(*candidates.strRuntimeDirectory))
    {
        return *candidates.strRuntimeDirectory;
    }
    if (IsAbsolute(candidates.strTemporaryDirectory))
    {
        return *candidates.strTemporaryDirectory;
    }
    return candidates.strSystemDirectory;
}
