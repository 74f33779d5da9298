#include "ui/qt/CRigvetWindow.h"

#include "run/DialogIds.h"
#include "run/MessageBoxStyle.h"
#include "support/LoadResourceString.h"
#include "support/StringIds.h"
#include "support/UserAgent.h"
#include "ui/cli/LiveRunResult.h"
#include "ui/cli/ResultExplanation.h"
#include "ui/cli/UtcTimeText.h"
#include "ui/qt/CAboutWindow.h"
#include "ui/qt/MessageBoxMapping.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSaveFile>
#include <algorithm>
#include <chrono>
#include <utility>
#include <vector>

namespace
{
// The frame and the places of the controls, in dialog units.
constexpr int kDialogWidth = 391;
constexpr int kDialogHeight = 213;
constexpr int kLeftColumnX = 14;
constexpr int kRightColumnX = 198;
constexpr int kFirstRowY = 70;
constexpr int kRowSpacing = 24;
constexpr int kLabelHeight = 8;

QString GetControlName(int nId)
{
    return QStringLiteral("control%1").arg(nId);
}

int GetColumnX(const SRequirementControls& controls)
{
    return controls.nColumn == 0 ? kLeftColumnX : kRightColumnX;
}

int GetRowY(const SRequirementControls& controls)
{
    return kFirstRowY + controls.nRow * kRowSpacing;
}

// The rows as the Windows template lists them, and so in the tab order: top to bottom, left to
// right.
std::vector<const SRequirementDescriptor*> GetRowsInTemplateOrder()
{
    std::vector<const SRequirementDescriptor*> aRows(g_aRequirementDescriptors.begin(),
                                                     g_aRequirementDescriptors.end());
    std::sort(aRows.begin(), aRows.end(),
              [](const SRequirementDescriptor* pLeft, const SRequirementDescriptor* pRight)
              {
                  return std::pair(pLeft->controls.nRow, pLeft->controls.nColumn) <
                         std::pair(pRight->controls.nRow, pRight->controls.nColumn);
              });
    return aRows;
}

QColor ToColor(const SRgb& rgb)
{
    return QColor(rgb.nRed, rgb.nGreen, rgb.nBlue);
}
} // namespace

// The pictures are compiled into this static library, whose resource object the linker would
// otherwise leave out; Q_INIT_RESOURCE must be called outside any namespace.
static void RegisterPictures()
{
    Q_INIT_RESOURCE(rigvet);
}

CRigvetWindow::CRigvetWindow(IQualificationSteps& steps, const std::wstring& strModulePath,
                             FRunModal fnRunModal)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      m_steps(steps), m_controller(*this, steps), m_units(font()), m_strModulePath(strModulePath),
      m_fnRunModal(std::move(fnRunModal))
{
    RegisterPictures();
    setWindowIcon(QIcon(QStringLiteral(":/rigvet/icon.png")));
    // The caption stays empty, so assistive technology needs the window's name given here.
    setAccessibleName(QStringLiteral("Rigvet"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    CreateControls();
    CreateAboutAction();
    RefreshResultLabels();

    SetUserAgentFromModule(m_strModulePath);
}

void CRigvetWindow::RunModalBox(QDialog& box)
{
    box.exec();
}

void CRigvetWindow::CreateControls()
{
    setFixedSize(m_units.ToPixelsX(kDialogWidth), m_units.ToPixelsY(kDialogHeight));

    // Created in the order of the Windows template, which is also the tab order.
    m_pRunButton =
        new QPushButton(QStringLiteral("Perform Stimora 3.0 PC Qualification Test"), this);
    m_pRunButton->setObjectName(GetControlName(IDC_RUN_TEST));
    m_pRunButton->setGeometry(m_units.ToPixels(7, 176, 377, 28));
    connect(m_pRunButton, &QPushButton::clicked, this, [this] { m_controller.RunQualification(); });
    m_aTabOrder.append(m_pRunButton);

    const std::vector<const SRequirementDescriptor*> aRows = GetRowsInTemplateOrder();
    for (const SRequirementDescriptor* pDescriptor : aRows)
    {
        CreateHelpButton(*pDescriptor);
    }

    QLabel* pBanner = CreateStatic(QString(), 70, 6, 251, 44);
    pBanner->setObjectName(QStringLiteral("banner"));
    pBanner->setAlignment(Qt::AlignCenter);
    pBanner->setPixmap(QPixmap(QStringLiteral(":/rigvet/banner.png"))
                           .scaled(pBanner->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));

    QGroupBox* pGroup = new QGroupBox(QStringLiteral("Results"), this);
    pGroup->setObjectName(QStringLiteral("resultsGroup"));
    pGroup->setGeometry(m_units.ToPixels(7, 54, 377, 88));
    // White inside, with the title on the frame line, whatever the desktop's style fills it with.
    pGroup->setStyleSheet(QStringLiteral(
        "QGroupBox { background-color: white; border: 1px solid #a0a0a0; border-radius: 3px;"
        " margin-top: 0.6em; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 7px; padding: 0 3px; }"));
    pGroup->lower(); // the rows are the dialog's children and must draw above the frame

    for (const SRequirementDescriptor* pDescriptor : aRows)
    {
        CreateRow(*pDescriptor);
    }

    m_pBusyText = CreateStatic(QStringLiteral("Test is running... please wait a moment..."), 7, 154,
                               377, kLabelHeight);
    m_pBusyText->setObjectName(GetControlName(IDC_RUNNING));
    m_pBusyText->setAlignment(Qt::AlignCenter);
    m_pBusyText->hide();
    // The verdicts in one sentence after a run, where the busy text was.
    m_pSummaryText = CreateStatic(QString(), 7, 154, 377, kLabelHeight);
    m_pSummaryText->setObjectName(QStringLiteral("summaryText"));
    m_pSummaryText->setAlignment(Qt::AlignCenter);
    m_pSummaryText->hide();

    for (qsizetype i = 1; i < m_aTabOrder.size(); ++i)
    {
        setTabOrder(m_aTabOrder[i - 1], m_aTabOrder[i]);
    }
    m_pRunButton->setFocus();
}

QLabel* CRigvetWindow::CreateStatic(const QString& strText, int nX, int nY, int nWidth, int nHeight)
{
    QLabel* pLabel = new QLabel(strText, this);
    pLabel->setTextFormat(Qt::PlainText);
    pLabel->setGeometry(m_units.ToPixels(nX, nY, nWidth, nHeight));
    return pLabel;
}

void CRigvetWindow::CreateRow(const SRequirementDescriptor& descriptor)
{
    const ERequirement requirement = descriptor.requirement;
    const int nColumnX = GetColumnX(descriptor.controls);
    const int nRowY = GetRowY(descriptor.controls);
    // "Name?  PASS / FAIL / UNK" with the "?" button after it.
    const QString strName = QString::fromStdWString(std::wstring(GetRequirementName(requirement)));
    QLabel* pName = CreateStatic(strName + QStringLiteral("?"), nColumnX, nRowY, 88, kLabelHeight);
    pName->setObjectName(QStringLiteral("name%1").arg(descriptor.controls.nHelpButtonId));
    m_aRowLabels.emplace_back(requirement, pName);

    int nX = nColumnX + 90;
    for (const SResultLabel& label : GetResultLabels())
    {
        if (label.requirement != requirement)
        {
            continue;
        }
        if (label.word != ELabelWord::Pass)
        {
            CreateStatic(QStringLiteral("/"), nX, nRowY, 4, kLabelHeight);
            nX += 5;
        }
        const QString strWord = QString::fromStdWString(std::wstring(GetLabelWordText(label.word)));
        QLabel* pWord = CreateStatic(strWord, nX, nRowY, 20, kLabelHeight);
        pWord->setObjectName(GetControlName(label.nControlId));
        pWord->setAccessibleName(strName + QStringLiteral(" ") + strWord);
        m_aRowLabels.emplace_back(requirement, pWord);
        nX += 21;
    }
}

QPushButton* CRigvetWindow::CreateHelpButton(const SRequirementDescriptor& descriptor)
{
    const ERequirement requirement = descriptor.requirement;
    QPushButton* pButton = new QPushButton(QStringLiteral("?"), this);
    pButton->setObjectName(GetControlName(descriptor.controls.nHelpButtonId));
    pButton->setFlat(true);
    pButton->setAutoDefault(false);
    pButton->setGeometry(m_units.ToPixels(GetColumnX(descriptor.controls) + 160,
                                          GetRowY(descriptor.controls) - 3, 14, 14));
    const QString strName = QString::fromStdWString(std::wstring(GetRequirementName(requirement)));
    pButton->setAccessibleName(QStringLiteral("Explain ") + strName);
    pButton->setToolTip(QStringLiteral("What is required: ") + strName);
    connect(pButton, &QPushButton::clicked, this,
            [this, requirement] { m_controller.ShowRequirementHelp(requirement); });
    m_aTabOrder.append(pButton);
    return pButton;
}

void CRigvetWindow::CreateAboutAction()
{
    // Linux has no system menu to extend, so the About entry sits in the dialog's context menu
    // and on F1.
    m_pAboutAction = new QAction(QString::fromStdWString(LoadResourceString(IDS_ABOUTBOX)), this);
    m_pAboutAction->setObjectName(QStringLiteral("aboutAction"));
    m_pAboutAction->setShortcut(QKeySequence(Qt::Key_F1));
    m_pAboutAction->setShortcutContext(Qt::WindowShortcut);
    connect(m_pAboutAction, &QAction::triggered, this, &CRigvetWindow::ShowAboutBox);
    addAction(m_pAboutAction);
    m_pCopyAction = CreateResultAction(QStringLiteral("Copy Results"), QStringLiteral("copyAction"),
                                       QKeySequence::Copy);
    connect(m_pCopyAction, &QAction::triggered, this, &CRigvetWindow::CopyResults);
    m_pSaveAction = CreateResultAction(QStringLiteral("Save Results..."),
                                       QStringLiteral("saveAction"), QKeySequence::Save);
    connect(m_pSaveAction, &QAction::triggered, this, &CRigvetWindow::SaveResults);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

QAction* CRigvetWindow::CreateResultAction(const QString& strText, const QString& strName,
                                           const QKeySequence& shortcut)
{
    QAction* pAction = new QAction(strText, this);
    pAction->setObjectName(strName);
    pAction->setShortcut(shortcut);
    pAction->setShortcutContext(Qt::WindowShortcut);
    pAction->setEnabled(false); // there is no result to hand on before a run has finished
    addAction(pAction);
    return pAction;
}

QLabel* CRigvetWindow::GetResultLabel(ERequirement requirement, ELabelWord word) const
{
    for (const SResultLabel& label : GetResultLabels())
    {
        if (label.requirement == requirement && label.word == word)
        {
            return findChild<QLabel*>(GetControlName(label.nControlId));
        }
    }
    return nullptr;
}

void CRigvetWindow::RefreshResultLabels()
{
    for (const SResultLabel& label : GetResultLabels())
    {
        QLabel* pLabel = findChild<QLabel*>(GetControlName(label.nControlId));
        const std::optional<EVerdict> verdict = m_controller.GetShownVerdict(label.requirement);
        const SRgb colour =
            GetLabelColour(label.requirement, label.word, m_controller.m_bFinished,
                           m_controller.m_bInternetConsent, verdict.value_or(EVerdict::Unknown));
        QPalette palette = pLabel->palette();
        palette.setColor(QPalette::WindowText, ToColor(colour));
        pLabel->setPalette(palette);
    }
    RefreshExplanations();
}

void CRigvetWindow::RefreshExplanations()
{
    const bool bFinished = m_controller.m_bFinished;
    if (!bFinished)
    {
        m_strFinishedTime.clear();
    }
    else if (m_strFinishedTime.empty())
    {
        m_strFinishedTime = FormatUtcTime(std::chrono::system_clock::now());
    }
    const SQualificationResult result =
        bFinished ? DescribeLiveResult(m_controller, IsSystemAtLeast(m_steps, kWindows8))
                  : SQualificationResult();
    for (const auto& [requirement, pLabel] : m_aRowLabels)
    {
        std::wstring strText = GetVerdictDescription(requirement, std::nullopt);
        for (const SRequirementResult& row : result.aRequirements)
        {
            if (row.requirement == requirement)
            {
                strText = FormatRowExplanation(row, EAdvicePlatform::Linux);
            }
        }
        pLabel->setToolTip(QString::fromStdWString(strText));
        pLabel->setAccessibleDescription(QString::fromStdWString(strText));
    }
    const QString strSummary = QString::fromStdWString(FormatResultSummary(result));
    m_pSummaryText->setText(strSummary);
    m_pSummaryText->setAccessibleName(strSummary);
    m_pSummaryText->setVisible(!strSummary.isEmpty());
    m_pCopyAction->setEnabled(bFinished);
    m_pSaveAction->setEnabled(bFinished);
}

std::string CRigvetWindow::FormatResultFor(const std::wstring& strFileName) const
{
    return FormatDialogResult(m_controller, m_steps, m_strModulePath, m_strFinishedTime,
                              strFileName);
}

void CRigvetWindow::CopyResults()
{
    if (m_controller.m_bFinished)
    {
        QGuiApplication::clipboard()->setText(QString::fromStdString(FormatResultFor(L"")));
    }
}

void CRigvetWindow::SaveResults()
{
    if (!m_controller.m_bFinished)
    {
        return;
    }
    QFileDialog dialog(this, QStringLiteral("Save Results"), QString(),
                       QStringLiteral("Text (*.txt);;JSON (*.json)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(QStringLiteral("rigvet-result.txt"));
    m_fnRunModal(dialog);
    if (dialog.result() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    {
        return;
    }
    const QString strPath = dialog.selectedFiles().constFirst();
    const std::string strContent = FormatResultFor(strPath.toStdWString());
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(strContent.data(), static_cast<qint64>(strContent.size())) !=
            static_cast<qint64>(strContent.size()) ||
        !file.commit())
    {
        ShowMessageBox(L"The results could not be saved to " + strPath.toStdWString() + L": " +
                           file.errorString().toStdWString(),
                       L"Save Results", MessageBoxStyle::kIconError);
    }
}

int CRigvetWindow::ShowMessageBox(const std::wstring& strText, const std::wstring& strCaption,
                                  unsigned int nStyle)
{
    QMessageBox box(this);
    ConfigureMessageBox(box, strText, strCaption, nStyle);
    m_fnRunModal(box);
    return GetMessageBoxAnswer(box, nStyle);
}

void CRigvetWindow::ShowBusyText(bool bShow)
{
    m_pBusyText->setVisible(bShow);
}

void CRigvetWindow::EnableRunButton(bool bEnable)
{
    m_pRunButton->setEnabled(bEnable);
}

void CRigvetWindow::Invalidate()
{
    RefreshResultLabels();
    update();
}

void CRigvetWindow::Repaint()
{
    repaint();
}

void CRigvetWindow::ShowAboutBox()
{
    CAboutWindow box(m_strModulePath, this);
    m_fnRunModal(box);
}
