#pragma once

#include <string>
#include <vector>

// One program's reference text, the one source of both its --help text and its manual page.
// Texts are plain: no markup, no line breaks; the formatters wrap and mark them up.

// An option, a variable or a file: the term as it is typed (upper-case words are placeholders,
// "-h, --help" names two spellings) and what it means. The detail goes into the manual only.
struct SManualEntry
{
    std::string strTerm;
    std::string strText;
    std::string strDetail;
};

struct SManualExitCode
{
    int nCode = 0;
    std::string strText; // short enough for the one-line list of --help
};

struct SManualExample
{
    std::string strCommand;
    std::string strText;
};

struct SManualSection
{
    std::string strTitle; // upper case, as manual pages name their sections
    std::vector<std::string> aParagraphs;
};

struct SProgramManual
{
    std::string strName;                // "rigvet-cli"
    std::string strSummary;             // what the NAME line says after the name
    std::vector<std::string> aSynopsis; // usage lines, each without the program's name
    std::vector<std::string> aDescription;
    std::vector<SManualEntry> aOptions;
    std::vector<SManualExitCode> aExitCodes;
    std::vector<SManualEntry> aEnvironment;
    std::vector<SManualEntry> aFiles;
    std::vector<SManualExample> aExamples;
    std::vector<SManualSection> aNotes; // sections of the manual only, after EXAMPLES
    std::vector<std::string> aSeeAlso;  // "rigvet(1)"
};

// The release a manual page belongs to, for its title line.
struct SManualRelease
{
    std::string strVersion; // "1.0.0.1"
    std::string strDate;    // "2026-12-09"
};
