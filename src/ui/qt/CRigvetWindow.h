#pragma once

#include "run/IRunView.h"
#include "ui/CRigvetDlg.h"
#include "ui/ResultLabels.h"
#include "ui/qt/DialogUnits.h"

#include <QDialog>
#include <functional>
#include <string>

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

    int ShowMessageBox(const std::wstring& strText, const std::wstring& strCaption,
                       unsigned int nStyle) override;
    void ShowBusyText(bool bShow) override;
    void EnableRunButton(bool bEnable) override;
    void Invalidate() override;
    void Repaint() override;

    void ShowAboutBox();

private:
    void CreateControls();
    void CreateRow(ERequirement requirement, int nHelpButtonId, int nColumnX, int nRowY);
    QLabel* CreateStatic(const QString& strText, int nX, int nY, int nWidth, int nHeight);
    QPushButton* CreateHelpButton(ERequirement requirement, int nId, int nX, int nY);
    void CreateAboutAction();
    void RefreshResultLabels();

    CRigvetDlg m_controller;
    CDialogUnits m_units;
    std::wstring m_strModulePath;
    FRunModal m_fnRunModal;
    QPushButton* m_pRunButton = nullptr;
    QLabel* m_pBusyText = nullptr;
    QAction* m_pAboutAction = nullptr;
    QList<QWidget*> m_aTabOrder;
};
