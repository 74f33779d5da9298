// rigvet-manpages OUTDIR VERSION DATE: writes rigvet.1 and rigvet-cli.1 into OUTDIR from the
// programs' own tables, the ones --help is made from.
// rigvet-manpages --cli-doc IN OUT: writes OUT, the command-line reference IN (doc/cli.md) with
// its marked tables made anew from the same tables. Run by the build and its tests; not installed.
#include "ui/DialogManual.h"
#include "ui/ManPage.h"
#include "ui/ManualMarkdown.h"
#include "ui/cli/CliManual.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

namespace
{
bool WriteFile(const std::string& strPath, const std::string& strText)
{
    std::ofstream file(strPath, std::ios::binary | std::ios::trunc);
    file << strText;
    file.close();
    if (!file)
    {
        std::cerr << "rigvet-manpages: could not write " << strPath << "\n";
        return false;
    }
    return true;
}

bool WritePage(const std::string& strFolder, const SProgramManual& manual,
               const SManualRelease& release)
{
    return WriteFile(strFolder + "/" + manual.strName + ".1", FormatManPage(manual, release));
}

int WriteCliDoc(const std::string& strIn, const std::string& strOut)
{
    std::ifstream file(strIn, std::ios::binary);
    const std::string strDocument{std::istreambuf_iterator<char>(file),
                                  std::istreambuf_iterator<char>()};
    if (!file)
    {
        std::cerr << "rigvet-manpages: could not read " << strIn << "\n";
        return 1;
    }
    const SProgramManual& manual = GetCliManual();
    const SFilledMarkdown filled =
        FillMarkdownBlocks(strDocument, {{"options", FormatMarkdownOptions(manual)},
                                         {"exit-codes", FormatMarkdownExitCodes(manual)},
                                         {"overrides", FormatMarkdownEnvironment(manual)}});
    if (!filled.strMissing.empty())
    {
        std::cerr << "rigvet-manpages: " << strIn << " has no block \"" << filled.strMissing
                  << "\" (<!-- begin " << filled.strMissing << " --> ... <!-- end "
                  << filled.strMissing << " -->)\n";
        return 1;
    }
    return WriteFile(strOut, filled.strText) ? 0 : 1;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--cli-doc")
    {
        return WriteCliDoc(argv[2], argv[3]);
    }
    if (argc != 4)
    {
        std::cerr << "Usage: rigvet-manpages OUTDIR VERSION DATE\n"
                     "       rigvet-manpages --cli-doc IN OUT\n";
        return 2;
    }
    const SManualRelease release{argv[2], argv[3]};
    const bool bWritten = WritePage(argv[1], GetDialogManual(), release) &&
                          WritePage(argv[1], GetCliManual(), release);
    return bWritten ? 0 : 1;
}
