#pragma once

#include "ui/ProgramManual.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The manual's tables as Markdown, for the command-line reference doc/cli.md. rigvet-manpages
// writes them between the markers the document holds, so the reference, the manual page and
// --help are made from one table.

// "| option | meaning |" and one row per option, the short text and its detail as one sentence.
std::string FormatMarkdownOptions(const SProgramManual& manual);
std::string FormatMarkdownExitCodes(const SProgramManual& manual);
std::string FormatMarkdownEnvironment(const SProgramManual& manual);

// A named block, the text between a line "<!-- begin NAME -->" and a line "<!-- end NAME -->".
using MarkdownBlock = std::pair<std::string, std::string>;

struct SFilledMarkdown
{
    std::string strText;
    std::string strMissing; // the first block the document does not mark, or empty
};

// The document with each block's text replaced; the marker lines stay.
SFilledMarkdown FillMarkdownBlocks(std::string_view strDocument,
                                   const std::vector<MarkdownBlock>& aBlocks);
