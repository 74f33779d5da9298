#pragma once

#include "run/IQualificationSteps.h"
#include "run/IRunEvents.h"
#include "run/IRunView.h"
#include "run/LogFile.h"
#include "run/RunFacts.h"
#include "run/TestResults.h"
#include "run/Verdict.h"

#include <memory>
#include <optional>
#include <string>

// The main window's state and its qualification run, shared by every front end. The front end
// draws and forwards clicks; this class owns the record, the flags and the log file.
class CRigvetDlg
{
public:
    // The events of the run go to pEvents when one is given.
    CRigvetDlg(IRunView& view, IQualificationSteps& steps, IRunEvents* pEvents = nullptr);
    CRigvetDlg(const CRigvetDlg&) = delete;
    CRigvetDlg& operator=(const CRigvetDlg&) = delete;

    // The handler of the test button: the whole run, from the log file to the final repaint.
    void RunQualification();

    // The clock step of the run: consent and Windows 7 gates, the request, the comparison.
    void ProbeInternetTime();

    // The verdict of a requirement, or none while no finished run is shown.
    std::optional<EVerdict> GetShownVerdict(ERequirement requirement);

    // The "?" explanation of a requirement.
    void ShowRequirementHelp(ERequirement requirement);

    std::wstring m_strLogPath;
    CLogFile m_logFile;
    std::unique_ptr<TestResults> m_pResults;
    bool m_bFinished = false;
    bool m_bInternetConsent = false;
    SRunFacts m_facts;

private:
    bool AskConsent();
    bool PassStartupGates();
    // Steps from the work folder to the clock; false when the run stopped before the clock. The
    // folder's hold is handed to workFolder, so that it lasts until the run has finished.
    bool RunChecks(std::unique_ptr<IWorkFolder>& workFolder, bool& bVirtualizationDetected);
    bool EvaluateReport(const IWorkFolder& workFolder);
    void SearchUpdates();
    void FinishRun(bool bVirtualizationDetected);
    void CloseLogFile();
    void ShowError(std::int32_t nCaptionCode, const std::wstring& strText);
    // The error box that ends the run, remembered in m_facts.
    void EndOnError(std::int32_t nCode, const std::wstring& strText);
    void ShowStop(unsigned int nCaptionId, unsigned int nTextId);
    void Announce(ERunStep step);
    // The Date of the time server that RIGVET_TIME_URL names (or the default one); raises
    // CHttpRequestFailure, for an invalid address too.
    SHttpDateResponse RequestInternetDate();

    IRunView& m_view;
    IQualificationSteps& m_steps;
    IRunEvents* m_pEvents;
};
