#pragma once

#include "support/ProgramRunner.h"

#include <string>

// The environment of a rigvet-cli run on its own: a local session, no overrides, a private
// temporary folder, and the fake collector copying strReport (none when empty).
inline SProgramOptions IsolatedCliSession(const CTestFolder& temp, const std::string& strReport)
{
    SProgramOptions options;
    for (const char* pszName :
         {"SSH_CONNECTION", "SSH_CLIENT", "SSH_TTY", "XRDP_SESSION", "RIGVET_OS_VERSION",
          "RIGVET_FAKE_ACTION", "RIGVET_FAKE_EXIT", "RIGVET_FAKE_LOG", "RIGVET_DRIVE_ROOT",
          "RIGVET_TIME_URL", "RIGVET_UPDATES_FILE", "NO_COLOR", "XDG_RUNTIME_DIR"})
    {
        options.environment[pszName] = std::nullopt;
    }
    options.environment["TMPDIR"] = temp.Path().string();
    options.environment["RIGVET_DXDIAG"] = RIGVET_FAKE_COLLECTOR_PATH;
    options.environment["RIGVET_FAKE_REPORT"] = strReport;
    // The report's C: is judged, whatever disk holds the temporary folder.
    options.environment["RIGVET_DRIVE_ROOT"] = "C:\\";
    return options;
}
