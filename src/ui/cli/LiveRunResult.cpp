#include "ui/cli/LiveRunResult.h"

#include "run/RequirementResults.h"
#include "support/LoadResourceString.h"
#include "support/StringIds.h"
#include "ui/cli/SystemIdentityResult.h"

namespace
{
std::wstring GetStopMessage(ERunStop stop)
{
    switch (stop)
    {
    case ERunStop::RemoteSession:
        return LoadResourceString(IDS_REMOTE_TEXT);
    case ERunStop::OldSystem:
        return LoadResourceString(IDS_OS_TEXT);
    case ERunStop::Cancelled:
        return L"Cancelled at the internet consent question.";
    case ERunStop::None:
        break;
    }
    return std::wstring();
}
} // namespace

SQualificationResult DescribeLiveResult(const CRigvetDlg& dialog, bool bWindows8OrLater)
{
    SQualificationResult result;
    const SRunFacts& facts = dialog.m_facts;
    if (!dialog.m_bFinished)
    {
        result.stop = facts.stop == ERunStop::None ? ERunStop::Cancelled : facts.stop;
        result.outcome = result.stop == ERunStop::Cancelled ? EResultOutcome::Cancelled
                                                            : EResultOutcome::Refused;
        result.strStopMessage = GetStopMessage(result.stop);
        return result;
    }
    if (facts.endingError)
    {
        result.outcome = EResultOutcome::Error;
        result.error = facts.endingError;
    }
    result.aRequirements = DescribeLiveRun({*dialog.m_pResults, dialog.m_bInternetConsent,
                                            bWindows8OrLater, facts, GetRunningSystemFamily()});
    if (facts.system)
    {
        AttachSystemIdentity(result, *facts.system);
    }
    if (facts.bVirtualizationDetected)
    {
        result.aWarnings.push_back({L"virtualization", LoadResourceString(IDS_VIRTUAL_TEXT)});
    }
    return result;
}
