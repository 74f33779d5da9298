#pragma once

// The long steps of a run, announced as each begins, for a front end that shows the run's
// progress.
enum class ERunStep
{
    PreparingWorkFolder,
    CollectingDiagnostics,
    ReadingReport,
    SearchingUpdates,
    AskingTimeServer,
};

class IRunEvents
{
public:
    virtual ~IRunEvents() = default;
    virtual void OnStepStarted(ERunStep step) = 0;
};
