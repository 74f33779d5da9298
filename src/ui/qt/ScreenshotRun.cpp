#include "ui/qt/ScreenshotRun.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <iostream>

void AnswerBoxUnattended(QDialog& box)
{
    QMessageBox* pMessageBox = qobject_cast<QMessageBox*>(&box);
    if (pMessageBox == nullptr)
    {
        box.reject();
        return;
    }
    std::cerr << "[" << pMessageBox->windowTitle().toStdString() << "]\n"
              << pMessageBox->text().toStdString() << "\n\n";
    QAbstractButton* pAnswer = pMessageBox->button(QMessageBox::No);
    if (pAnswer == nullptr)
    {
        pAnswer = pMessageBox->button(QMessageBox::Ok);
    }
    if (pAnswer != nullptr)
    {
        pAnswer->click();
    }
}

bool RunOnceAndSaveScreenshot(CRigvetWindow& window, const QString& strPath)
{
    window.show();
    QApplication::processEvents();
    QPushButton* pRunButton = window.findChild<QPushButton*>(QStringLiteral("control1000"));
    pRunButton->click();
    QApplication::processEvents();
    return window.grab().save(strPath, "PNG");
}
