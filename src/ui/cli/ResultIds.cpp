#include "ui/cli/ResultIds.h"

const char* GetRequirementId(ERequirement requirement)
{
    switch (requirement)
    {
    case ERequirement::Display:
        return "display";
    case ERequirement::Sound:
        return "sound";
    case ERequirement::Updates:
        return "updates";
    case ERequirement::Memory:
        return "memory";
    case ERequirement::FreeDisk:
        return "freeDisk";
    case ERequirement::Clock:
        return "clock";
    }
    return "";
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
