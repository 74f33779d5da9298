#pragma once

#include "run/CRigvetDlg.h"
#include "run/IRunView.h"
#include "ui/ResultLabels.h"
#include "ui/qt/DialogUnits.h"

#include <QDialog>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QLabel;
class QPushButton;

// The main dialog on Qt: the banner, the six result rows with their "?" buttons, the busy text
// and the test button, laid out in dialog units. It draws what the controller decides and shows
// the controller's message boxes.
class CRigvetWindow : public QDialog, public IRunView
{
    Q_OBJECT

public:
    // Runs a modal box (a message box or the About box) and returns when it is closed. Tests pass
    // one that answers without waiting for a user.
    using FRunModal = std::function<void(QDialog&)>;

    CRigvetWindow(IQualificationSteps& steps, const std::wstring& strModulePath,
                  FRunModal fnRunModal = RunModalBox);

    static void RunModalBox(QDialog& box);

    CRigvetDlg& GetController() { return m_controller; }
    QLabel* GetResultLabel(ERequirement requirement, ELabelWord word) const;
    QAction* GetAboutAction() const { return m_pAboutAction; }
    QAction* GetCopyAction() const { return m_pCopyAction; }
    QAction* GetSaveAction() const { return m_pSaveAction; }
    QLabel* GetSummaryText() const { return m_pSummaryText; }

    int ShowMessageBox(const std::wstring& strText, const std::wstring& strCaption,
                       unsigned int nStyle) override;
    void ShowBusyText(bool bShow) override;
    void EnableRunButton(bool bEnable) override;
    void Invalidate() override;
    void Repaint() override;

    void ShowAboutBox();
    // The finished run's text on the clipboard, and in a file the user names.
    void CopyResults();
    void SaveResults();

private:
    void CreateControls();
    void CreateRow(const SRequirementDescriptor& descriptor);
    QLabel* CreateStatic(const QString& strText, int nX, int nY, int nWidth, int nHeight);
    QPushButton* CreateHelpButton(const SRequirementDescriptor& descriptor);
    void CreateAboutAction();
    QAction* CreateResultAction(const QString& strText, const QString& strName,
                                const QKeySequence& shortcut);
    void RefreshResultLabels();
    void RefreshExplanations();
    std::string FormatResultFor(const std::wstring& strFileName) const;

    IQualificationSteps& m_steps;
    CRigvetDlg m_controller;
    CDialogUnits m_units;
    std::wstring m_strModulePath;
    FRunModal m_fnRunModal;
    QPushButton* m_pRunButton = nullptr;
    QLabel* m_pBusyText = nullptr;
    QLabel* m_pSummaryText = nullptr;
    QAction* m_pAboutAction = nullptr;
    QAction* m_pCopyAction = nullptr;
    QAction* m_pSaveAction = nullptr;
    // Every label of each result row (name and verdict words), which carry its explanation.
    std::vector<std::pair<ERequirement, QLabel*>> m_aRowLabels;
    std::wstring m_strFinishedTime; // UTC, of the run shown; empty while none is
    QList<QWidget*> m_aTabOrder;
};
