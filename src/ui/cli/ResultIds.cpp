#include "ui/cli/ResultIds.h"

const char* GetRequirementId(ERequirement requirement)
{
    return GetRequirementDescriptor(requirement).pszId;
}

const char* GetOutcomeId(EResultOutcome outcome)
{
    switch (outcome)
    {
    case EResultOutcome::Finished:
        return "finished";
    case EResultOutcome::Error:
        return "error";
    case EResultOutcome::Refused:
        return "refused";
    case EResultOutcome::Cancelled:
        return "cancelled";
    }
    return "";
}

const char* GetStopId(ERunStop stop)
{
    switch (stop)
    {
    case ERunStop::RemoteSession:
        return "remoteSession";
    case ERunStop::OldSystem:
        return "oldSystem";
    case ERunStop::Cancelled:
        return "cancelled";
    case ERunStop::None:
        break;
    }
    return "";
}
