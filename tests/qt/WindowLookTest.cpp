// The colours and texts of the result labels and the busy text, before, during and after runs.
#include "CBoxRecorder.h"
#include "QtTests.h"
#include "support/CZelSimpleException.h"
#include "support/FakeQualificationSteps.h"
#include "ui/qt/CRigvetWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace
{
const QColor kGreen(0, 200, 0);
const QColor kRed(200, 0, 0);
const QColor kGrey(100, 100, 100);
const QColor kBlack(0, 0, 0);

// One requirement's look as three letters for PASS, FAIL and UNK: G green, R red, y grey, K black.
QColor ColourOfLetter(QChar chLetter)
{
    switch (chLetter.toLatin1())
    {
    case 'G':
        return kGreen;
    case 'R':
        return kRed;
    case 'y':
        return kGrey;
    default:
        return kBlack;
    }
}

QColor TextColour(const QLabel* pLabel)
{
    return pLabel->palette().color(QPalette::WindowText);
}

// Requirements in the order of the expected-look lists.
constexpr ERequirement kLookOrder[] = {ERequirement::Display,  ERequirement::Sound,
                                       ERequirement::Updates,  ERequirement::Memory,
                                       ERequirement::FreeDisk, ERequirement::Clock};
constexpr ELabelWord kWords[] = {ELabelWord::Pass, ELabelWord::Fail, ELabelWord::Unknown};

void VerifyLook(const CRigvetWindow& window, const QStringList& aExpected)
{
    QCOMPARE(aExpected.size(), 6);
    for (int nRow = 0; nRow < 6; ++nRow)
    {
        for (int nWord = 0; nWord < 3; ++nWord)
        {
            const QLabel* pLabel = window.GetResultLabel(kLookOrder[nRow], kWords[nWord]);
            QVERIFY(pLabel != nullptr);
            QVERIFY2(TextColour(pLabel) == ColourOfLetter(aExpected[nRow][nWord]),
                     qPrintable(pLabel->objectName() + QStringLiteral(" of row ") +
                                QString::number(nRow) + QStringLiteral(" is ") +
                                TextColour(pLabel).name()));
        }
    }
}

// Counts the paint events a widget receives.
class CPaintCounter : public QObject
{
public:
    explicit CPaintCounter(QWidget* pWidget) { pWidget->installEventFilter(this); }
    int m_nPaints = 0;

protected:
    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Paint)
        {
            ++m_nPaints;
        }
        return false;
    }
};

const QStringList kFreshLook = {"yyK", "yyK", "yyK", "yyK", "yyK", "yyK"};

TestResults GoodHardware()
{
    TestResults hardware;
    hardware.m_fFeatureLevel = 12.1f;
    hardware.m_bSoundDevice = true;
    hardware.m_nMemoryMB = 8192;
    hardware.m_nFreeDiskMB = 50000;
    return hardware;
}
} // namespace

class CWindowLookTest : public QObject
{
    Q_OBJECT

private slots:
    void FreshDialogIsNeutral()
    {
        CFakeQualificationSteps steps;
        CBoxRecorder recorder;
        CRigvetWindow window(steps, std::wstring(), recorder.Presenter());
        VerifyLook(window, kFreshLook);
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("control1009"))->isHidden());
        QCOMPARE(window.palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(recorder.m_aBoxes.empty());
    }

    void FinishedLooks_data()
    {
        QTest::addColumn<bool>("bWindows8OrLater");
        QTest::addColumn<float>("fFeatureLevel");
        QTest::addColumn<uint>("nMemoryMB");
        QTest::addColumn<bool>("bUpdatesFound");
        QTest::addColumn<bool>("bConsent");
        QTest::addColumn<QStringList>("aLook");

        // Display, sound, updates, memory, free disk, clock.
        QTest::newRow("everything passes") << true << 12.1f << 8192u << true << true
                                           << QStringList{"Gyy", "Gyy", "Gyy", "Gyy", "Gyy", "Gyy"};
        QTest::newRow("too little memory") << true << 12.1f << 4094u << true << true
                                           << QStringList{"Gyy", "Gyy", "Gyy", "yRy", "Gyy", "Gyy"};
        QTest::newRow("consent refused") << true << 12.1f << 8192u << true << false
                                         << QStringList{"Gyy", "Gyy", "Gyy", "Gyy", "Gyy", "yyK"};
        // Windows 7: any display passes; without the updates the clock is not asked either.
        QTest::newRow("windows 7 without updates")
            << false << 0.0f << 8192u << false << true
            << QStringList{"Gyy", "Gyy", "yRy", "Gyy", "Gyy", "yyK"};
    }

    void FinishedLooks()
    {
        QFETCH(bool, bWindows8OrLater);
        QFETCH(float, fFeatureLevel);
        QFETCH(uint, nMemoryMB);
        QFETCH(bool, bUpdatesFound);
        QFETCH(bool, bConsent);
        QFETCH(QStringList, aLook);

        CFakeQualificationSteps steps;
        steps.m_osVersion = bWindows8OrLater ? SOsVersion{10, 0, 0} : SOsVersion{6, 1, 1};
        steps.m_hardware = GoodHardware();
        steps.m_hardware.m_fFeatureLevel = fFeatureLevel;
        steps.m_hardware.m_nMemoryMB = nMemoryMB;
        if (bUpdatesFound)
        {
            steps.InstallRequiredUpdates();
        }
        CBoxRecorder recorder;
        recorder.m_consentAnswer = bConsent ? QMessageBox::Yes : QMessageBox::No;
        CRigvetWindow window(steps, std::wstring(), recorder.Presenter());

        window.findChild<QPushButton*>(QStringLiteral("control1000"))->click();

        QVERIFY(window.GetController().m_bFinished);
        VerifyLook(window, aLook);
    }

    void SecondRunStartsNeutral()
    {
        CFakeQualificationSteps steps;
        steps.m_hardware = GoodHardware();
        CBoxRecorder recorder;
        CRigvetWindow window(steps, std::wstring(), recorder.Presenter());
        QPushButton* pRun = window.findChild<QPushButton*>(QStringLiteral("control1000"));
        pRun->click();
        VerifyLook(window, {"Gyy", "Gyy", "Gyy", "Gyy", "Gyy", "Gyy"});

        // While the second run asks for consent, the first run's colours are gone.
        bool bChecked = false;
        recorder.m_fnWhileShown = [&](const SShownBox&)
        {
            VerifyLook(window, kFreshLook);
            bChecked = true;
        };
        recorder.m_consentAnswer = QMessageBox::Cancel;
        pRun->click();
        QVERIFY(bChecked);
        QVERIFY(!window.GetController().m_bFinished);
        VerifyLook(window, kFreshLook);
    }

    void CancelledConsentRunsNothing()
    {
        CFakeQualificationSteps steps;
        bool bCaptured = false;
        steps.m_onCapture = [&] { bCaptured = true; };
        CBoxRecorder recorder;
        recorder.m_consentAnswer = QMessageBox::Cancel;
        CRigvetWindow window(steps, std::wstring(), recorder.Presenter());
        window.findChild<QPushButton*>(QStringLiteral("control1000"))->click();
        QVERIFY(!bCaptured);
        QCOMPARE(recorder.m_aBoxes.size(), size_t(1));
        VerifyLook(window, kFreshLook);
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("control1009"))->isHidden());
    }

    void RunEndedOnErrorShowsTheRecordAsLeft()
    {
        CFakeQualificationSteps steps;
        steps.m_hardware = GoodHardware();
        steps.FailAt("CaptureDiagnosticsReport",
                     CZelSimpleException(10005, L"The diagnostics tool failed."));
        CBoxRecorder recorder;
        CRigvetWindow window(steps, std::wstring(), recorder.Presenter());
        window.findChild<QPushButton*>(QStringLiteral("control1000"))->click();

        QCOMPARE(recorder.m_aBoxes.size(), size_t(2));
        const SShownBox& error = recorder.m_aBoxes[1];
        QCOMPARE(error.strCaption, QStringLiteral("Error Occurred - 10005"));
        QCOMPARE(error.strText, QStringLiteral("The diagnostics tool failed."));
        QCOMPARE(error.icon, QMessageBox::Critical);
        QCOMPARE(error.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        // Nothing was measured: the zero record fails, the clock was never compared.
        VerifyLook(window, {"yRy", "yRy", "Gyy", "yRy", "yRy", "yyK"});
        QVERIFY(steps.m_aUserAgents.empty());
    }

    void BusyTextShowsOnlyDuringTheRun()
    {
        CFakeQualificationSteps steps;
        steps.m_hardware = GoodHardware();
        CBoxRecorder recorder;
        CRigvetWindow window(steps, std::wstring(), recorder.Presenter());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QLabel* pBusy = window.findChild<QLabel*>(QStringLiteral("control1009"));
        QPushButton* pRun = window.findChild<QPushButton*>(QStringLiteral("control1000"));
        QVERIFY(!pBusy->isVisible());
        QCOMPARE(pBusy->text(), QStringLiteral("Test is running... please wait a moment..."));

        bool bSeenBusy = false;
        steps.m_onCapture = [&]
        {
            bSeenBusy = pBusy->isVisible() && !pRun->isEnabled();
            VerifyLook(window, kFreshLook);
        };
        pRun->click();
        QVERIFY(bSeenBusy);
        QVERIFY(!pBusy->isVisible());
        QVERIFY(pRun->isEnabled());
    }

    void InvalidateSchedulesAndRepaintPaintsAtOnce()
    {
        // The run blocks the event loop, so its Repaint must paint before it returns, while
        // Invalidate only marks the window and takes up the new colours.
        CFakeQualificationSteps steps;
        CBoxRecorder recorder;
        CRigvetWindow window(steps, std::wstring(), recorder.Presenter());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QApplication::processEvents();
        QLabel* pPass = window.GetResultLabel(ERequirement::Display, ELabelWord::Pass);
        CPaintCounter paints(pPass);

        window.GetController().m_bFinished = true;
        window.GetController().m_pResults->m_fFeatureLevel = 12.1f;
        window.Invalidate();
        QCOMPARE(TextColour(pPass), kGreen);
        QCOMPARE(paints.m_nPaints, 0);
        window.Repaint();
        QVERIFY(paints.m_nPaints > 0);
    }

    void RunPaintsAtOnceWhenItStartsAndEnds()
    {
        // Nothing handles window messages during a run, so the busy text and the verdicts
        // reach the screen only through the run's own repaints.
        CFakeQualificationSteps steps;
        steps.m_hardware = GoodHardware();
        steps.m_bVirtualAdapter = true;
        CBoxRecorder recorder;
        CRigvetWindow window(steps, std::wstring(), recorder.Presenter());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QApplication::processEvents();
        CPaintCounter busyPaints(window.findChild<QLabel*>(QStringLiteral("control1009")));
        CPaintCounter passPaints(window.GetResultLabel(ERequirement::Display, ELabelWord::Pass));
        int nBusyPaintsDuringRun = 0;
        int nPassPaintsAtCapture = 0;
        int nPassPaintsAtWarning = 0;
        steps.m_onCapture = [&]
        {
            nBusyPaintsDuringRun = busyPaints.m_nPaints;
            nPassPaintsAtCapture = passPaints.m_nPaints;
        };
        recorder.m_fnWhileShown = [&](const SShownBox& box)
        {
            if (box.strCaption == QStringLiteral("Possible Virtualization Detected"))
            {
                nPassPaintsAtWarning = passPaints.m_nPaints;
            }
        };
        window.findChild<QPushButton*>(QStringLiteral("control1000"))->click();
        QVERIFY(nBusyPaintsDuringRun > 0);
        QVERIFY(nPassPaintsAtWarning > nPassPaintsAtCapture);
    }

    void VirtualAdapterWarningFollowsTheFinalLook()
    {
        CFakeQualificationSteps steps;
        steps.m_hardware = GoodHardware();
        steps.m_bVirtualAdapter = true;
        CBoxRecorder recorder;
        CRigvetWindow window(steps, std::wstring(), recorder.Presenter());
        bool bWarnedAfterColouring = false;
        recorder.m_fnWhileShown = [&](const SShownBox& box)
        {
            if (box.strCaption == QStringLiteral("Possible Virtualization Detected"))
            {
                bWarnedAfterColouring =
                    box.icon == QMessageBox::Critical &&
                    TextColour(window.GetResultLabel(ERequirement::Display, ELabelWord::Pass)) ==
                        kGreen;
            }
        };
        window.findChild<QPushButton*>(QStringLiteral("control1000"))->click();
        QVERIFY(bWarnedAfterColouring);
    }

    void VerdictsReachAssistiveTechnology()
    {
        CFakeQualificationSteps steps;
        steps.m_hardware = GoodHardware();
        steps.m_hardware.m_nMemoryMB = 4094;
        CBoxRecorder recorder;
        recorder.m_consentAnswer = QMessageBox::No;
        CRigvetWindow window(steps, std::wstring(), recorder.Presenter());
        const QLabel* pMemoryFail = window.GetResultLabel(ERequirement::Memory, ELabelWord::Fail);
        QCOMPARE(pMemoryFail->accessibleName(), QStringLiteral("System Memory FAIL"));
        QCOMPARE(pMemoryFail->accessibleDescription(),
                 QStringLiteral("System Memory: not tested yet"));

        window.findChild<QPushButton*>(QStringLiteral("control1000"))->click();
        QVERIFY(pMemoryFail->accessibleDescription().startsWith(
            QStringLiteral("System Memory: FAIL - ")));
        QVERIFY(window.GetResultLabel(ERequirement::Display, ELabelWord::Unknown)
                    ->accessibleDescription()
                    .startsWith(QStringLiteral("Display Device: PASS - ")));
        QVERIFY(window.GetResultLabel(ERequirement::Clock, ELabelWord::Pass)
                    ->accessibleDescription()
                    .startsWith(QStringLiteral("Accurate System Time: UNK - ")));
    }

    void FinishedRunExplainsItsRowsSumsUpAndCopiesSixRows()
    {
        CFakeQualificationSteps steps;
        steps.m_hardware = GoodHardware();
        steps.m_hardware.m_nMemoryMB = 4094;
        CBoxRecorder recorder;
        recorder.m_consentAnswer = QMessageBox::No;
        CRigvetWindow window(steps, std::wstring(), recorder.Presenter());
        QLabel* pSummary = window.GetSummaryText();
        const QLabel* pMemoryName = window.findChild<QLabel*>(QStringLiteral("name1012"));
        QCOMPARE(pMemoryName->toolTip(), QStringLiteral("System Memory: not tested yet"));
        QVERIFY(!window.GetCopyAction()->isEnabled() && !window.GetSaveAction()->isEnabled());

        QPushButton* pRun = window.findChild<QPushButton*>(QStringLiteral("control1000"));
        pRun->click();
        const QString strMemory = QStringLiteral(
            "System Memory: FAIL - 4094 MB; 4095 MB of memory or more is needed. Add memory");
        QVERIFY2(pMemoryName->toolTip().startsWith(strMemory), qPrintable(pMemoryName->toolTip()));
        QCOMPARE(window.GetResultLabel(ERequirement::Memory, ELabelWord::Pass)->toolTip(),
                 pMemoryName->toolTip());
        QCOMPARE(pMemoryName->accessibleDescription(), pMemoryName->toolTip());
        const QString strSummary = QStringLiteral(
            "Not ready: System Memory failed; Accurate System Time could not be checked.");
        QCOMPARE(pSummary->text(), strSummary);
        QCOMPARE(pSummary->accessibleName(), strSummary);
        QVERIFY(!pSummary->isHidden());

        QVERIFY(window.GetCopyAction()->isEnabled() && window.GetSaveAction()->isEnabled());
        window.GetCopyAction()->trigger();
        const QStringList aLines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
        const QRegularExpression rowPattern(
            QStringLiteral("^[A-Z][A-Za-z ]+: (PASS|FAIL|UNK) \\("));
        QCOMPARE(aLines.filter(rowPattern).size(), 6);
        QVERIFY(aLines.contains(QStringLiteral("System Memory: FAIL (4094 MB)")));
        QVERIFY(aLines.contains(QStringLiteral("    4095 MB of memory or more is needed")));
        QVERIFY(aLines.constFirst().startsWith(QStringLiteral("Rigvet ")));

        bool bHiddenDuringRun = false;
        steps.m_onCapture = [&] { bHiddenDuringRun = pSummary->isHidden(); };
        pRun->click();
        QVERIFY(bHiddenDuringRun);
    }
};

int RunWindowLookTests(int argc, char** argv)
{
    CWindowLookTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowLookTest.moc"
