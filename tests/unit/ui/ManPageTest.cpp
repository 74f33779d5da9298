#include "ui/ManPage.h"

#include "support/SampleManual.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using ::testing::HasSubstr;

namespace
{
TEST(EscapeRoff, KeepsTextLiteral)
{
    const std::vector<std::pair<const char*, const char*>> aCases = {
        {"plain words", "plain words"},
        {"--json", "\\-\\-json"},
        {"C:\\Users\\lab", "C:\\eUsers\\elab"},
        {".starts with a dot", "\\&.starts with a dot"},
        {"'starts with a quote", "\\&'starts with a quote"},
        {"a.b 'c'", "a.b 'c'"},
    };
    for (const auto& [pszText, pszEscaped] : aCases)
    {
        EXPECT_EQ(EscapeRoff(pszText), pszEscaped);
    }
}

TEST(FormatRoffTerm, OptionsBoldPlaceholdersItalic)
{
    const std::vector<std::pair<const char*, const char*>> aCases = {
        {"--json", "\\fB\\-\\-json\\fR"},
        {"--csv FILE", "\\fB\\-\\-csv\\fR \\fIFILE\\fR"},
        {"[--consent=yes|no]", "[\\fB\\-\\-consent\\fR=\\fIyes|no\\fR]"},
        {"-h, --help", "\\fB\\-h\\fR, \\fB\\-\\-help\\fR"},
        {"--report FILE...", "\\fB\\-\\-report\\fR \\fIFILE...\\fR"},
        {"--explain | --help", "\\fB\\-\\-explain\\fR | \\fB\\-\\-help\\fR"},
        {"[LOGFILE]", "[\\fILOGFILE\\fR]"},
        {"$XDG_RUNTIME_DIR/sm3/qualify/", "$XDG_RUNTIME_DIR/sm3/qualify/"},
        // A term starts its line, where a leading dot would make a request.
        {"../libexec/rigvet", "\\&../libexec/rigvet"},
    };
    for (const auto& [pszTerm, pszFormatted] : aCases)
    {
        EXPECT_EQ(FormatRoffTerm(pszTerm, ERoffTerm::Options), pszFormatted) << pszTerm;
    }
}

TEST(FormatRoffTerm, VariableNamesBoldValuesItalic)
{
    const std::vector<std::pair<const char*, const char*>> aCases = {
        {"RIGVET_TIME_URL=URL", "\\fBRIGVET_TIME_URL\\fR=\\fIURL\\fR"},
        {"RIGVET_OS_VERSION=MAJOR.MINOR.SERVICEPACK",
         "\\fBRIGVET_OS_VERSION\\fR=\\fIMAJOR.MINOR.SERVICEPACK\\fR"},
        {"XDG_RUNTIME_DIR, TMPDIR", "\\fBXDG_RUNTIME_DIR\\fR, \\fBTMPDIR\\fR"},
    };
    for (const auto& [pszTerm, pszFormatted] : aCases)
    {
        EXPECT_EQ(FormatRoffTerm(pszTerm, ERoffTerm::Variables), pszFormatted) << pszTerm;
    }
}

TEST(FormatManPage, HasTheSectionsInOrder)
{
    const std::string strPage = FormatManPage(MakeSampleManual(), {"1.2.3.4", "2026-12-09"});
    EXPECT_THAT(strPage,
                HasSubstr(".TH TOOL 1 2026\\-12\\-09 \"Rigvet 1.2.3.4\" \"User Commands\"\n"
                          ".SH NAME\ntool \\- do a thing\n"));
    std::size_t nPosition = 0;
    for (const char* pszSection : {".SH SYNOPSIS\n", ".SH DESCRIPTION\n", ".SH OPTIONS\n",
                                   ".SH \"EXIT STATUS\"\n", ".SH ENVIRONMENT\n", ".SH FILES\n",
                                   ".SH EXAMPLES\n", ".SH \"SECURITY\"\n", ".SH \"SEE ALSO\"\n"})
    {
        const std::size_t nFound = strPage.find(pszSection, nPosition);
        ASSERT_NE(nFound, std::string::npos) << pszSection;
        nPosition = nFound;
    }
}

TEST(FormatManPage, GivesEachEntryItsTermAndWholeText)
{
    const std::string strPage = FormatManPage(MakeSampleManual(), {"1.2.3.4", "2026-12-09"});
    for (const char* pszPart :
         {".B tool\n[\\fB\\-\\-flag\\fR] [\\fB\\-\\-out\\fR \\fIFILE\\fR]\n.br\n.B tool\n",
          ".TP\n\\fB\\-\\-flag\\fR\nturn it on. It stays on.\n",
          ".TP\n\\fB\\-\\-out\\fR \\fIFILE\\fR\nwrite to FILE\n", ".TP\n.B 64\nbad usage\n",
          ".TP\n\\fBTOOL_PATH\\fR=\\fIDIR\\fR\nwhere to look\n",
          ".TP\n/etc/tool.conf\nread at start\n",
          "Turn it on:\n.PP\n.RS 4\n.nf\ntool \\-\\-flag\n.fi\n.RE\n",
          "Does the thing and prints what it found.\n.PP\nSecond paragraph.\n",
          "\\fBother\\fR(1),\n\\fBmore\\fR(5)\n"})
    {
        EXPECT_THAT(strPage, HasSubstr(pszPart));
    }
}
} // namespace
