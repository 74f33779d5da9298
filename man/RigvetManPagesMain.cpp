// rigvet-manpages OUTDIR VERSION DATE: writes rigvet.1 and rigvet-cli.1 into OUTDIR from the
// programs' own tables, the ones --help is made from. Run by the build; not installed.
#include "ui/DialogManual.h"
#include "ui/ManPage.h"
#include "ui/cli/CliManual.h"

#include <fstream>
#include <iostream>
#include <string>

namespace
{
bool WritePage(const std::string& strFolder, const SProgramManual& manual,
               const SManualRelease& release)
{
    const std::string strPath = strFolder + "/" + manual.strName + ".1";
    std::ofstream file(strPath, std::ios::binary | std::ios::trunc);
    file << FormatManPage(manual, release);
    file.close();
    if (!file)
    {
        std::cerr << "rigvet-manpages: could not write " << strPath << "\n";
        return false;
    }
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 4)
    {
        std::cerr << "Usage: rigvet-manpages OUTDIR VERSION DATE\n";
        return 2;
    }
    const SManualRelease release{argv[2], argv[3]};
    const bool bWritten = WritePage(argv[1], GetDialogManual(), release) &&
                          WritePage(argv[1], GetCliManual(), release);
    return bWritten ? 0 : 1;
}
