#pragma once

#include <QMessageBox>
#include <string>

// Sets up a message box from the Windows style bits the run passes (MessageBoxStyle): icon,
// buttons, caption and text, the first button as default and Escape as Cancel where there is one.
void ConfigureMessageBox(QMessageBox& box, const std::wstring& strText,
                         const std::wstring& strCaption, unsigned int nStyle);

QMessageBox::Icon GetMessageBoxIcon(unsigned int nStyle);
QMessageBox::StandardButtons GetMessageBoxButtons(unsigned int nStyle);

// The Windows answer (MessageBoxAnswer) for the button that closed the box. A box closed without
// a button answers Cancel when it has one, else OK.
int GetMessageBoxAnswer(const QMessageBox& box, unsigned int nStyle);
