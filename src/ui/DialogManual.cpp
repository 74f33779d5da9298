#include "ui/DialogManual.h"

#include "ui/DialogExitCodes.h"
#include "ui/SharedManual.h"

namespace
{
SProgramManual BuildDialogManual()
{
    SProgramManual manual;
    manual.strName = "rigvet";
    manual.strSummary = "check whether this PC can run Stimora 3.0 and Fieldora 1.0 experiments";
    manual.aSynopsis = {"[LOGFILE]", "--help | --version"};
    manual.aDescription = {
        "Opens the PC qualification dialog. Its button runs a fixed sequence of checks, and the "
        "six requirements it lists end up PASS, FAIL or UNK (could not be determined): the "
        "display device, the sound device, the Windows updates, the system memory, the free disk "
        "space and the accuracy of the system clock. The ? button beside each explains it.",
        "Before the checks the dialog asks for consent to use the internet, which only the clock "
        "check needs: one HTTPS request for the Date header of a public web site. It refuses to "
        "run in a remote session and on systems older than Windows 7 SP1 (Linux answers as "
        "Windows 8 or later), and warns when a display adapter of a virtual machine or a remote "
        "display is present.",
        "After a run the word of each verdict is coloured, green for PASS and red for FAIL, and "
        "each row also carries its verdict for screen readers. About Rigvet is in the dialog's "
        "context menu and on F1.",
        "For scripts, a terminal or many machines at once use rigvet-cli, which runs the same "
        "test and writes its result as text, JSON or CSV.",
    };
    manual.aOptions = {
        {"LOGFILE", "file that receives the Windows updates found",
         "The first argument that does not begin with - is the log file; one that begins with / "
         "and holds another / is a path too. It is created anew at each run and stays empty but "
         "on the Windows 7 path. Qt's own options, such as -style NAME, are taken by Qt; every "
         "other argument is ignored."},
        {"-h, --help", "print the usage, the options and the exit codes", ""},
        {"--version", "print the program's file version", ""},
    };
    manual.aExitCodes = {
        {kDialogExitSuccess, "the dialog was closed, or --help or --version printed"},
        {kDialogExitUsage, "an override is not valid"},
        {kDialogExitNoDisplay, "there is no display to show the dialog on"},
        {kDialogExitScreenshotFailed, "with RIGVET_SCREENSHOT, the picture could not be saved"},
    };
    manual.aEnvironment = GetSharedEnvironmentEntries();
    manual.aEnvironment.push_back(
        {"DISPLAY, WAYLAND_DISPLAY",
         "The display to show the dialog on. With neither set, and QT_QPA_PLATFORM not "
         "offscreen, rigvet says so and exits with 3.",
         ""});
    manual.aEnvironment.push_back(
        {"RIGVET_SCREENSHOT=FILE",
         "A test hook: press the test button once, answer every box without a user (No to the "
         "consent question), save a picture of the dialog as FILE (PNG) and exit.",
         ""});
    manual.aFiles = GetSharedFileEntries();
    manual.aExamples = {
        {"rigvet", "Open the dialog:"},
        {"RIGVET_OS_VERSION=6.1.1 RIGVET_UPDATES_FILE=updates.txt rigvet /tmp/updates.log",
         "On Linux, take the Windows 7 paths with a list of installed updates and log the updates "
         "found:"},
    };
    manual.aSeeAlso = {"rigvet-cli(1)"};
    return manual;
}
} // namespace

const SProgramManual& GetDialogManual()
{
    static const SProgramManual manual = BuildDialogManual();
    return manual;
}
