#pragma once

#include <functional>
#include <optional>
#include <string>

// Where the work folder goes on a system whose temporary directory may be shared between users:
// the user's private runtime directory when it is set and safe, else the temporary directory the
// user named, else the system's.
struct STempDirectoryCandidates
{
    std::optional<std::wstring> strRuntimeDirectory;   // XDG_RUNTIME_DIR
    std::optional<std::wstring> strTemporaryDirectory; // TMPDIR
    std::wstring strSystemDirectory;                   // the system's, when neither will do
};

// Only absolute paths count; the runtime directory must also pass IsPrivateDirectory.
std::wstring
ChooseTempDirectory(const STempDirectoryCandidates& candidates,
                    const std::function<bool(const std::wstring&)>& IsPrivateDirectory);
