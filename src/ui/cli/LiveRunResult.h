#pragma once

#include "run/CRigvetDlg.h"
#include "ui/cli/QualificationResult.h"

// The result of the dialog's last run: refused or cancelled when it did not get past the start,
// else its verdicts, as an error when an error box ended it.
SQualificationResult DescribeLiveResult(const CRigvetDlg& dialog, bool bWindows8OrLater);
