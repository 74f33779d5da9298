#pragma once

#include "run/IRunEvents.h"
#include "ui/cli/CProgressLine.h"

#include <string>

// "Collecting diagnostics": what the progress line says while the step runs.
std::wstring GetRunStepText(ERunStep step);

// Shows each step of the run on the progress line as it begins.
class CRunProgress : public IRunEvents
{
public:
    explicit CRunProgress(CProgressLine& progress) : m_progress(progress) {}
    void OnStepStarted(ERunStep step) override;

private:
    CProgressLine& m_progress;
};
