#pragma once

#include "ui/qt/CRigvetWindow.h"

#include <QMessageBox>
#include <QString>
#include <functional>
#include <vector>

// What one modal box showed.
struct SShownBox
{
    QString strCaption;
    QString strText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool bAboutBox = false;
    QString aAboutLines[3];
};

// Stands in for the user: records every box and answers it at once, never waiting.
class CBoxRecorder
{
public:
    CRigvetWindow::FRunModal Presenter();

    // The answer to the consent question (Yes, No or Cancel).
    QMessageBox::StandardButton m_consentAnswer = QMessageBox::Yes;
    // Called while a box is open, before it is answered.
    std::function<void(const SShownBox&)> m_fnWhileShown;
    std::vector<SShownBox> m_aBoxes;

private:
    void Answer(QDialog& box);
};
