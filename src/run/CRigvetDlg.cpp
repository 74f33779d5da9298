#include "run/CRigvetDlg.h"

#include "diagnostics/HardwareChecks.h"
#include "run/MessageBoxStyle.h"
#include "run/RequiredUpdates.h"
#include "support/CZelSimpleException.h"
#include "support/LoadResourceString.h"
#include "support/StringIds.h"
#include "support/TextConvert.h"
#include "updates/SearchInstalledUpdates.h"

#include <exception>

namespace
{
constexpr const wchar_t* kUpdatesLogLine = L"The following updates were found on the system: ";

// Shown for a failure that is not one of the program's own, such as running out of memory.
constexpr std::int32_t kUnexpectedErrorCode = -1;
} // namespace

CRigvetDlg::CRigvetDlg(IRunView& view, IQualificationSteps& steps, IRunEvents* pEvents)
    : m_pResults(std::make_unique<TestResults>()), m_view(view), m_steps(steps), m_pEvents(pEvents)
{
}

void CRigvetDlg::RunQualification()
{
    if (!m_strLogPath.empty())
    {
        m_logFile.Open(m_strLogPath);
    }
    m_bFinished = false;
    m_bInternetConsent = false;
    *m_pResults = TestResults();
    m_facts = SRunFacts();
    m_view.Invalidate();

    if (!AskConsent() || !PassStartupGates())
    {
        CloseLogFile();
        return;
    }

    m_view.ShowBusyText(true);
    m_view.EnableRunButton(false);
    m_view.Repaint();

    // Held until the run has finished, whatever ended it.
    std::unique_ptr<IWorkFolder> pWorkFolder;
    bool bVirtualizationDetected = false;
    bool bReachedClock = false;
    try
    {
        bReachedClock = RunChecks(pWorkFolder, bVirtualizationDetected);
    }
    catch (CZelSimpleException exception)
    {
        EndOnError(exception.m_nCode, exception.m_strMessage);
    }
    catch (const std::exception& exception)
    {
        EndOnError(kUnexpectedErrorCode,
                   L"An unexpected error stopped the test: " + Utf8ToWide(exception.what()));
    }
    if (!bReachedClock)
    {
        // The clock was never compared, so it must read unknown rather than pass.
        m_bInternetConsent = false;
    }
    FinishRun(bVirtualizationDetected);
}

bool CRigvetDlg::AskConsent()
{
    const int nAnswer = m_view.ShowMessageBox(
        LoadResourceString(IDS_CONSENT_TEXT), LoadResourceString(IDS_CONSENT_CAPTION),
        MessageBoxStyle::kYesNoCancel | MessageBoxStyle::kIconQuestion);
    if (nAnswer != MessageBoxAnswer::kYes && nAnswer != MessageBoxAnswer::kNo)
    {
        m_facts.stop = ERunStop::Cancelled; // Cancel, or the box closed without an answer
        return false;
    }
    m_bInternetConsent = nAnswer == MessageBoxAnswer::kYes;
    return true;
}

bool CRigvetDlg::PassStartupGates()
{
    if (m_steps.IsRemoteSession())
    {
        m_facts.stop = ERunStop::RemoteSession;
        ShowStop(IDS_REMOTE_CAPTION, IDS_REMOTE_TEXT);
        return false;
    }
    if (!IsSystemAtLeast(m_steps, kWindows7Sp1))
    {
        m_facts.stop = ERunStop::OldSystem;
        ShowStop(IDS_OS_CAPTION, IDS_OS_TEXT);
        return false;
    }
    return true;
}

bool CRigvetDlg::RunChecks(std::unique_ptr<IWorkFolder>& workFolder, bool& bVirtualizationDetected)
{
    Announce(ERunStep::PreparingWorkFolder);
    workFolder = m_steps.CreateWorkFolder();
    workFolder->DeleteReport();
    if (workFolder->ReportExists())
    {
        // The caption carries the number of the message's own entry.
        EndOnError(IDS_REPORT_LOCKED, LoadResourceString(IDS_REPORT_LOCKED));
        return false;
    }
    Announce(ERunStep::CollectingDiagnostics);
    m_steps.CaptureDiagnosticsReport(*workFolder);
    bVirtualizationDetected = EvaluateReport(*workFolder);
    m_facts.bReportEvaluated = true;
    workFolder->DeleteReport();

    if (!IsSystemAtLeast(m_steps, kWindows8))
    {
        SearchUpdates();
    }
    ProbeInternetTime();
    return true;
}

bool CRigvetDlg::EvaluateReport(const IWorkFolder& workFolder)
{
    Announce(ERunStep::ReadingReport);
    const std::unique_ptr<IXmlDocument> pDocument = workFolder.LoadReport();
    m_facts.system = ReadSystemIdentity(*pDocument);
    return EvaluateHardwareReport(*pDocument, *m_pResults, m_steps.GetReportDriveRoot());
}

void CRigvetDlg::SearchUpdates()
{
    Announce(ERunStep::SearchingUpdates);
    const std::unique_ptr<IUpdateAgent> pAgent = m_steps.CreateUpdateAgent();
    std::wstring strFound;
    m_pResults->m_bUpdatesFound = SearchInstalledUpdates(*pAgent, kRequiredUpdates, strFound);
    m_facts.strUpdatesFound = strFound;
    if (!m_strLogPath.empty() && m_logFile.IsOpen())
    {
        m_logFile.WriteString(kUpdatesLogLine);
        m_logFile.Flush();
        m_logFile.WriteString(strFound);
        m_logFile.Flush();
    }
}

void CRigvetDlg::FinishRun(bool bVirtualizationDetected)
{
    m_view.ShowBusyText(false);
    m_view.EnableRunButton(true);
    m_bFinished = true;
    m_view.Invalidate();
    m_view.Repaint();
    m_facts.bVirtualizationDetected = bVirtualizationDetected;
    if (bVirtualizationDetected)
    {
        ShowStop(IDS_VIRTUAL_CAPTION, IDS_VIRTUAL_TEXT);
    }
    CloseLogFile();
}

void CRigvetDlg::CloseLogFile()
{
    if (!m_strLogPath.empty())
    {
        m_logFile.Close();
    }
}

std::optional<EVerdict> CRigvetDlg::GetShownVerdict(ERequirement requirement)
{
    if (!m_bFinished)
    {
        return std::nullopt;
    }
    return GetVerdict(requirement, *m_pResults, m_bInternetConsent,
                      IsSystemAtLeast(m_steps, kWindows8));
}

void CRigvetDlg::ShowRequirementHelp(ERequirement requirement)
{
    const SRequirementDescriptor& descriptor = GetRequirementDescriptor(requirement);
    m_view.ShowMessageBox(LoadResourceString(descriptor.nHelpTextId),
                          LoadResourceString(descriptor.nHelpCaptionId),
                          MessageBoxStyle::kOk | MessageBoxStyle::kIconInformation);
}

void CRigvetDlg::ShowError(std::int32_t nCaptionCode, const std::wstring& strText)
{
    m_view.ShowMessageBox(strText, LoadResourceString(IDS_ERROR_CAPTION, nCaptionCode),
                          MessageBoxStyle::kOk | MessageBoxStyle::kIconError);
}

void CRigvetDlg::EndOnError(std::int32_t nCode, const std::wstring& strText)
{
    m_facts.endingError = SRunError{nCode, strText, {}};
    ShowError(nCode, strText);
}

void CRigvetDlg::Announce(ERunStep step)
{
    if (m_pEvents != nullptr)
    {
        m_pEvents->OnStepStarted(step);
    }
}

void CRigvetDlg::ShowStop(unsigned int nCaptionId, unsigned int nTextId)
{
    m_view.ShowMessageBox(LoadResourceString(nTextId), LoadResourceString(nCaptionId),
                          MessageBoxStyle::kOk | MessageBoxStyle::kIconError);
}
