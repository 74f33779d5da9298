#include "ui/ManualMarkdown.h"

#include "support/SampleManual.h"

#include <gtest/gtest.h>

namespace
{
TEST(ManualMarkdown, TablesOfTheManual)
{
    SProgramManual manual = MakeSampleManual();
    manual.aOptions.push_back({"-h, --help", "print yes|no", ""});
    EXPECT_EQ(FormatMarkdownOptions(manual), "| option | meaning |\n|---|---|\n"
                                             "| `--flag` | turn it on. It stays on. |\n"
                                             "| `--out FILE` | write to FILE |\n"
                                             "| `--a-rather-long-option=VALUE` | set the value |\n"
                                             "| `-h`, `--help` | print yes\\|no |\n");
    EXPECT_EQ(FormatMarkdownExitCodes(manual),
              "| code | meaning |\n|---|---|\n| 0 | fine |\n| 64 | bad usage |\n");
    EXPECT_EQ(FormatMarkdownEnvironment(manual),
              "| variable | meaning |\n|---|---|\n| `TOOL_PATH=DIR` | where to look |\n");
}

TEST(ManualMarkdown, FillsMarkedBlocksOnly)
{
    const std::string strDocument = "# Title\n<!-- begin a -->\nold\n<!-- end a -->\n"
                                    "text <!-- begin b -->\n<!-- begin b -->\n<!-- end b -->\n";
    const SFilledMarkdown filled = FillMarkdownBlocks(strDocument, {{"a", "new\n"}, {"b", "x\n"}});
    EXPECT_EQ(filled.strMissing, "");
    EXPECT_EQ(filled.strText, "# Title\n<!-- begin a -->\nnew\n<!-- end a -->\n"
                              "text <!-- begin b -->\n<!-- begin b -->\nx\n<!-- end b -->\n");
    EXPECT_EQ(FillMarkdownBlocks("<!-- begin a -->\n", {{"a", "new\n"}}).strMissing, "a");
    EXPECT_EQ(FillMarkdownBlocks(strDocument, {{"c", "new\n"}}).strMissing, "c");
}
} // namespace
