#pragma once

#include "run/Verdict.h"
#include "ui/cli/QualificationResult.h"

#include <string>

class CRigvetDlg;
class IQualificationSteps;

// The dialogs' words for a result, made from the console's rows so that both say the same:
// each row's tooltip, the summary line under the results, and what Copy and Save hand on.

// Which system the advice is worded for: its tools and settings differ.
using EAdvicePlatform = ESystemFamily;

// What to do about a FAIL or UNK, one sentence ending in "run the test again."; empty for PASS.
std::wstring GetRequirementAdvice(ERequirement requirement, EVerdict verdict,
                                  EAdvicePlatform platform);

// "<name>: FAIL - <value>; <reason>. <advice>".
std::wstring FormatRowExplanation(const SRequirementResult& row, EAdvicePlatform platform);

// "Ready: all six requirements passed.", "Not ready: <name> and <name> failed.",
// "Not determined: <name> could not be checked."; empty without verdicts.
std::wstring FormatResultSummary(const SQualificationResult& result);

// The console's text of the result under a heading of program version, machine and time (UTC),
// UTF-8 with '\n' line ends.
std::string FormatResultCopyText(const SQualificationResult& result, const SResultContext& context);

// True for a name that ends in ".json", in any letter case.
bool IsJsonFileName(const std::wstring& strFileName);

// What Save writes to a file of that name: the console's JSON when it ends in ".json" (in any
// letter case), else the copy text.
std::string FormatSavedResult(const SQualificationResult& result, const SResultContext& context,
                              const std::wstring& strFileName);

// What a dialog's Copy (no file name) and Save hand on after its finished run: the run's result
// headed by this program's version (read from the module at strModulePath), this machine and the
// time the run finished.
std::string FormatDialogResult(const CRigvetDlg& controller, IQualificationSteps& steps,
                               const std::wstring& strModulePath,
                               const std::wstring& strFinishedTime,
                               const std::wstring& strFileName);
