#include "ui/qt/MessageBoxMapping.h"

#include "run/MessageBoxStyle.h"

#include <QAbstractButton>

void ConfigureMessageBox(QMessageBox& box, const std::wstring& strText,
                         const std::wstring& strCaption, unsigned int nStyle)
{
    box.setWindowTitle(QString::fromStdWString(strCaption));
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdWString(strText));
    box.setIcon(GetMessageBoxIcon(nStyle));
    const QMessageBox::StandardButtons buttons = GetMessageBoxButtons(nStyle);
    box.setStandardButtons(buttons);
    if (buttons.testFlag(QMessageBox::Yes))
    {
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
    }
    else
    {
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
}

QMessageBox::Icon GetMessageBoxIcon(unsigned int nStyle)
{
    switch (nStyle & MessageBoxStyle::kIconMask)
    {
    case MessageBoxStyle::kIconError:
        return QMessageBox::Critical;
    case MessageBoxStyle::kIconQuestion:
        return QMessageBox::Question;
    case MessageBoxStyle::kIconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons GetMessageBoxButtons(unsigned int nStyle)
{
    // The run asks only OK boxes and the Yes/No/Cancel question; anything else shows OK.
    if ((nStyle & MessageBoxStyle::kButtonMask) == MessageBoxStyle::kYesNoCancel)
    {
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

int GetMessageBoxAnswer(const QMessageBox& box, unsigned int nStyle)
{
    switch (box.standardButton(box.clickedButton()))
    {
    case QMessageBox::Ok:
        return MessageBoxAnswer::kOk;
    case QMessageBox::Cancel:
        return MessageBoxAnswer::kCancel;
    case QMessageBox::Yes:
        return MessageBoxAnswer::kYes;
    case QMessageBox::No:
        return MessageBoxAnswer::kNo;
    default:
        return GetMessageBoxButtons(nStyle).testFlag(QMessageBox::Cancel)
                   ? MessageBoxAnswer::kCancel
                   : MessageBoxAnswer::kOk;
    }
}
