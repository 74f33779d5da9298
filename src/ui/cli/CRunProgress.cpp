#include "ui/cli/CRunProgress.h"

std::wstring GetRunStepText(ERunStep step)
{
    switch (step)
    {
    case ERunStep::PreparingWorkFolder:
        return L"Preparing the work folder";
    case ERunStep::CollectingDiagnostics:
        return L"Collecting diagnostics";
    case ERunStep::ReadingReport:
        return L"Reading the diagnostics report";
    case ERunStep::SearchingUpdates:
        return L"Searching the installed updates";
    case ERunStep::AskingTimeServer:
        return L"Asking the internet time server";
    }
    return std::wstring();
}

void CRunProgress::OnStepStarted(ERunStep step)
{
    m_progress.SetStep(GetRunStepText(step));
}
