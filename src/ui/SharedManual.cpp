#include "ui/SharedManual.h"

#include "clock/TimeServerUrl.h"
#include "diagnostics/DiagnosticsCapture.h"
#include "diagnostics/DriveRoot.h"
#include "run/OsVersionOverride.h"
#include "support/InstallLayout.h"
#include "support/TextConvert.h"
#include "updates/SystemUpdateAgent.h"

#include <string>

namespace
{
std::string Term(const char* pszVariable, const char* pszValue)
{
    return std::string(pszVariable) + "=" + pszValue;
}

// Where a program in /usr/bin finds the collector once it is installed, as an example of the
// layout rule, from the same rule the programs follow.
std::string GetInstalledCollectorExample()
{
    return WideToUtf8(
        ListInstalledCandidates(L"/usr/bin/rigvet", kCollectorName, kCollectorInstallFolder)
            .back());
}
} // namespace

std::vector<SManualEntry> GetSharedEnvironmentEntries()
{
    return {
        {Term(kOsVersionVariable, "MAJOR.MINOR.SERVICEPACK"),
         "On Linux, answer as that Windows version instead of Windows 8 or later.",
         "6.1.1 (Windows 7 SP1) takes the Windows 7 paths, 6.1.0 is refused. A value of another "
         "form is bad usage. Windows reports its own version."},
        {Term(kUpdatesFileVariable, "FILE"),
         "On Linux on the Windows 7 path, the installed updates in place of the Windows Update "
         "Agent.",
         "UTF-8 text, one update per line, its knowledge-base numbers without the KB prefix "
         "separated by commas. Unset or unreadable, the update search fails with error 11000."},
        {Term(kCollectorVariable, "PROGRAM"), "Run PROGRAM in place of the diagnostics collector.",
         "It is called as PROGRAM /whql:off /x REPORT in the work folder; a relative name is "
         "taken from the current folder. An exit with -1 (status 255), a crash or a program that "
         "cannot be started fails the step with error 10005. For tests."},
        {Term(kCollectorTimeoutVariable, "SECONDS"),
         "How long the collector may run, a whole number from 1 to " +
             std::to_string(kLongestCollectorTimeout.count()) + "; by default " +
             std::to_string(kDefaultCollectorTimeout.count()) + ".",
         "A collector still running then is ended with every process it started, and the step "
         "fails with error 10005. Another value is bad usage. For tests of a hung collector."},
        {Term(kDriveRootVariable, "ROOT"),
         "The drive root that the free-space check looks for among the report's disks, instead "
         "of the disk of the home folder.",
         "C:\\ judges a report written on Windows as it would be judged there."},
        {Term(kTimeServerUrlVariable, "URL"),
         std::string("The HTTPS site whose Date header is taken as internet time, instead of ") +
             kDefaultTimeServerUrl + ".",
         "Only the root of a site is accepted: https://, a host name, an IPv4 or a bracketed IPv6 "
         "address, an optional port and an optional /. Anything else is bad usage."},
        {"XDG_RUNTIME_DIR, TMPDIR", "Where the work folder goes on Linux (see FILES).", ""},
        {"SSH_CONNECTION, SSH_CLIENT, SSH_TTY, XRDP_SESSION",
         "Set in a remote login on Linux: the test then refuses to run.",
         "A remote desktop shows a remote display adapter, not the machine's own."},
    };
}

std::vector<SManualEntry> GetSharedFileEntries()
{
    return {
        {"$XDG_RUNTIME_DIR/sm3/qualify/",
         "The work folder on Linux, made private to the user (mode 0700); it stays after the run.",
         "It is under XDG_RUNTIME_DIR when that is the user's own private folder, else under "
         "TMPDIR when that is an absolute path, else under /tmp. A work folder that is a symbolic "
         "link, or that another user owns or can write to, is refused (error 25101). On Windows "
         "it is sm3\\qualify in the user's temporary folder."},
        {"sm3/qualify/qdxd.xml",
         "The diagnostics report while a run reads it; it is deleted after use.", ""},
        {std::string(kCollectorInstallFolder) + "/rigvet-dxdiag",
         "The diagnostics collector on Linux. The front ends run the one in their own folder "
         "when there is one (a build folder), else the one in this folder relative to theirs.",
         "Installed, that is " + GetInstalledCollectorExample() +
             ". On Windows the test runs the system's dxdiag.exe."},
    };
}
