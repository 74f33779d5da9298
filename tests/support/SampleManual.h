#pragma once

#include "ui/ProgramManual.h"

// A small manual with a long option term, a detail, a variable and a file.
inline SProgramManual MakeSampleManual()
{
    SProgramManual manual;
    manual.strName = "tool";
    manual.strSummary = "do a thing";
    manual.aSynopsis = {"[--flag] [--out FILE]", "--version"};
    manual.aDescription = {"Does the thing and prints what it found.", "Second paragraph."};
    manual.aOptions = {
        {"--flag", "turn it on", "It stays on."},
        {"--out FILE", "write to FILE", ""},
        {"--a-rather-long-option=VALUE", "set the value", ""},
    };
    manual.aExitCodes = {{0, "fine"}, {64, "bad usage"}};
    manual.aEnvironment = {{"TOOL_PATH=DIR", "where to look", ""}};
    manual.aFiles = {{"/etc/tool.conf", "read at start", ""}};
    manual.aExamples = {{"tool --flag", "Turn it on:"}};
    manual.aNotes = {{"SECURITY", {"Runs as the user."}}};
    manual.aSeeAlso = {"other(1)", "more(5)"};
    return manual;
}
