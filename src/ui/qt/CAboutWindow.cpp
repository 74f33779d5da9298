#include "ui/qt/CAboutWindow.h"

#include "ui/CAboutLines.h"
#include "ui/qt/DialogUnits.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace
{
QLabel* CreateLine(QWidget* pParent, const std::wstring& strText, const char* pszName)
{
    QLabel* pLabel = new QLabel(QString::fromStdWString(strText), pParent);
    pLabel->setObjectName(QString::fromLatin1(pszName));
    pLabel->setTextFormat(Qt::PlainText); // ampersands and angle brackets show as typed
    pLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return pLabel;
}
} // namespace

CAboutWindow::CAboutWindow(const std::wstring& strModulePath, QWidget* pParent)
    : QDialog(pParent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("About Fieldora"));
    const CAboutLines lines(strModulePath.empty() ? nullptr : strModulePath.c_str());
    const CDialogUnits units(font());

    QLabel* pIcon = new QLabel(this);
    pIcon->setObjectName(QStringLiteral("aboutIcon"));
    const QRect iconRect = units.ToPixels(14, 14, 20, 20);
    pIcon->setPixmap(QIcon(QStringLiteral(":/rigvet/icon.png")).pixmap(iconRect.size()));
    pIcon->setGeometry(iconRect);

    m_pVersionLine = CreateLine(this, lines.m_strVersionLine, "aboutVersionLine");
    m_pVersionLine->setGeometry(units.ToPixels(42, 14, 229, 8));
    m_pNoticeLine = CreateLine(this, lines.m_strNoticeLine, "aboutNoticeLine");
    m_pNoticeLine->setGeometry(units.ToPixels(42, 28, 229, 8));

    QPushButton* pOk = new QPushButton(QStringLiteral("OK"), this);
    pOk->setObjectName(QStringLiteral("aboutOk"));
    pOk->setGeometry(units.ToPixels(224, 70, 50, 14));
    pOk->setDefault(true);
    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);

    m_pFileVersion = CreateLine(this, lines.m_strFileVersion, "aboutFileVersion");
    m_pFileVersion->setGeometry(units.ToPixels(42, 42, 169, 8));

    setFixedSize(units.ToPixelsX(281), units.ToPixelsY(91));
}

QString CAboutWindow::GetVersionLine() const
{
    return m_pVersionLine->text();
}

QString CAboutWindow::GetNoticeLine() const
{
    return m_pNoticeLine->text();
}

QString CAboutWindow::GetFileVersion() const
{
    return m_pFileVersion->text();
}
