#include "ui/cli/CliManual.h"

#include "ui/SharedManual.h"
#include "ui/cli/CliExitCodes.h"

namespace
{
SProgramManual BuildCliManual()
{
    SProgramManual manual;
    manual.strName = "rigvet-cli";
    manual.strSummary = "check whether this PC can run Stimora 3.0 and Fieldora 1.0 experiments";
    manual.aSynopsis = {
        "[--consent=yes|no] [--json] [--csv FILE] [LOGFILE]",
        "--report FILE... [--system-drive DRIVE] [--json] [--csv FILE]",
        "--summary CSVFILE... [--json]",
        "--explain | --help | --version",
    };
    manual.aDescription = {
        "Runs the PC qualification test once and prints one verdict per requirement, or judges "
        "diagnostics reports saved earlier.",
        "The six requirements are the display device, the sound device, the Windows updates, the "
        "system memory, the free disk space and the accuracy of the system clock. Each ends up "
        "PASS, FAIL or UNK (could not be determined); --explain prints what each one asks for.",
        "Before the checks the test asks for consent to use the internet, which only the clock "
        "check needs: one HTTPS request for the Date header of a public web site. It refuses to "
        "run in a remote session and on systems older than Windows 7 SP1 (Linux answers as "
        "Windows 8 or later), and warns when a display adapter of a virtual machine or a remote "
        "display is present.",
        "The diagnostics collector writes a report of the machine into the work folder, where the "
        "test reads it and then deletes it. Nothing else is written but the log file and the CSV "
        "file, when they are given.",
        "The output is text: the messages of the run, then one line per requirement with its "
        "verdict and the value it was judged on. With --json it is one JSON object instead, for "
        "scripts and fleet tools. The exit code tells the outcome.",
    };
    manual.aOptions = {
        {"--consent=yes|no",
         "answer the internet-consent question (default: ask on a terminal, otherwise No)",
         "Without it, when standard input is not a terminal, the answer is No, so the network is "
         "never used without consent. There is no way to cancel from the command line."},
        {"--json",
         "write the result as JSON to standard output instead of text (one object; an array of "
         "objects with --report)",
         "The object holds the program and its version, the machine, the time (UTC), the "
         "outcome and exit code, an error or the reason the test stopped, and per requirement its "
         "verdict, the value and unit it was judged on, and the reason for a FAIL or an UNK."},
        {"--csv FILE", "append one row per result to FILE (header when new or empty)",
         "UTF-8, CR LF line ends, RFC 4180 quoting. Many machines may append to one file on a "
         "share "
         "at once: each row goes to the end in one write, whole. A file that cannot be opened "
         "stops the call before the test with exit code 74; a row that cannot be written whole "
         "gives 74 too. FILE - writes the header and the rows to standard output, and the text "
         "of the verdicts to standard error (not with --json). The last columns name the "
         "machine: manufacturer, model and display adapters."},
        {"--report FILE...", "judge saved diagnostics reports: no capture, no network",
         "Each FILE is a report written on a Windows PC by its diagnostics tool with /x, or by "
         "rigvet-dxdiag, in UTF-8 or UTF-16. The operating system is taken from the report. The "
         "clock is not part of a report and reads UNK, so a judged report exits with 2 at best."},
        {"--system-drive DRIVE", "with --report: judge the free space of DRIVE (C:, /home)",
         "Without it, C: for a report written on Windows, and for a report of rigvet-dxdiag the "
         "disk that a test here would judge: that of the home folder, never a file system in "
         "memory (RIGVET_DRIVE_ROOT applies as in a test). A report that lists no such disk "
         "has 0 MB free, FAIL."},
        {"--summary CSVFILE...",
         "sum up CSV files of rigvet-cli --csv or of the fleet playbook: the fleet at a glance",
         "Prints the number of machines, how many are ready (all PASS), not ready (a FAIL), not "
         "determined (UNK, no FAIL) and not tested (refused, cancelled, error, unreachable), and "
         "per requirement the PASS, FAIL and UNK counts with the machines that failed it. A "
         "machine that appears more than once counts once, by its latest row. Columns are read "
         "by name, so files of every earlier version are summed too. With --json the same is "
         "one object. A file that cannot be read is named on standard error, the others are "
         "still summed, and the exit code is 4."},
        {"--explain", "print what each requirement means", ""},
        {"-h, --help", "print the usage, the options and the exit codes", ""},
        {"--version", "print the program's file version", ""},
        {"LOGFILE", "file that receives the Windows updates found",
         "It is the first plain argument, neither an option nor an option's value; on Linux an "
         "argument that begins with / and holds another / (/tmp/q.log) is a path. Later plain "
         "arguments are ignored. It is created anew at each run and stays empty but on the "
         "Windows 7 path."},
    };
    manual.aExitCodes = {
        {kCliExitPass, "all passed"},
        {kCliExitFail, "a FAIL"},
        {kCliExitUnknown, "no FAIL but an UNK"},
        {kCliExitNotRun, "refused or cancelled"},
        {kCliExitError, "ended on an error"},
        {kCliExitUsage, "bad usage"},
        {kCliExitCsvFailed, "the CSV file could not be written"},
    };
    manual.aEnvironment = GetSharedEnvironmentEntries();
    manual.aEnvironment.push_back(
        {"NO_COLOR, TERM",
         "PASS is green and FAIL red only when standard output is a terminal whose TERM is not "
         "dumb and NO_COLOR is unset or empty.",
         ""});
    manual.aFiles = GetSharedFileEntries();
    manual.aExamples = {
        {"rigvet-cli --consent=no", "Run the test without the internet and print the verdicts:"},
        {"rigvet-cli --consent=yes --json > result.json",
         "Run it with the clock check and keep the result as JSON:"},
        {"rigvet-cli --consent=no --csv /mnt/lab/qualification.csv",
         "Add this machine's row to a CSV file that every lab PC appends to:"},
        {"rigvet-cli --summary /mnt/lab/qualification.csv",
         "Count the lab's ready machines and name the ones that failed a requirement:"},
        {"rigvet-cli --report saved-report.xml --system-drive C: --json",
         "Judge a report saved on a Windows PC, with that PC's free space on drive C:, without "
         "running the test:"},
        {"RIGVET_OS_VERSION=6.1.1 RIGVET_UPDATES_FILE=updates.txt rigvet-cli --consent=no "
         "/tmp/updates.log",
         "On Linux, take the Windows 7 paths with a list of installed updates and log the updates "
         "found:"},
    };
    manual.aSeeAlso = {"rigvet(1)"};
    return manual;
}
} // namespace

const SProgramManual& GetCliManual()
{
    static const SProgramManual manual = BuildCliManual();
    return manual;
}
