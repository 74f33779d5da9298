#pragma once

#include <QDialog>
#include <string>

class QLabel;

// The About box: the application icon, the product line, the maker's notice, the file version
// and an OK button, laid out in dialog units like the Windows template.
class CAboutWindow : public QDialog
{
    Q_OBJECT

public:
    CAboutWindow(const std::wstring& strModulePath, QWidget* pParent);

    QString GetVersionLine() const;
    QString GetNoticeLine() const;
    QString GetFileVersion() const;

private:
    QLabel* m_pVersionLine;
    QLabel* m_pNoticeLine;
    QLabel* m_pFileVersion;
};
