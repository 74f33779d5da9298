#include "CBoxRecorder.h"

#include "ui/qt/CAboutWindow.h"

#include <QAbstractButton>
#include <QPushButton>

CRigvetWindow::FRunModal CBoxRecorder::Presenter()
{
    return [this](QDialog& box) { Answer(box); };
}

void CBoxRecorder::Answer(QDialog& box)
{
    SShownBox shown;
    shown.strCaption = box.windowTitle();
    if (QMessageBox* pMessageBox = qobject_cast<QMessageBox*>(&box))
    {
        shown.strText = pMessageBox->text();
        shown.icon = pMessageBox->icon();
        shown.buttons = pMessageBox->standardButtons();
        m_aBoxes.push_back(shown);
        if (m_fnWhileShown)
        {
            m_fnWhileShown(shown);
        }
        const bool bQuestion = shown.buttons.testFlag(QMessageBox::Yes);
        pMessageBox->button(bQuestion ? m_consentAnswer : QMessageBox::Ok)->click();
        return;
    }
    if (CAboutWindow* pAbout = qobject_cast<CAboutWindow*>(&box))
    {
        shown.bAboutBox = true;
        shown.aAboutLines[0] = pAbout->GetVersionLine();
        shown.aAboutLines[1] = pAbout->GetNoticeLine();
        shown.aAboutLines[2] = pAbout->GetFileVersion();
        m_aBoxes.push_back(shown);
        pAbout->findChild<QPushButton*>(QStringLiteral("aboutOk"))->click();
        return;
    }
    box.reject();
}
