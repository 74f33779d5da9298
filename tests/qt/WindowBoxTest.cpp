// The dialog's boxes: the six explanations, the consent question, the About box, and a box shown
// for real with exec().
#include "CBoxRecorder.h"
#include "QtTests.h"
#include "support/FakeQualificationSteps.h"
#include "support/UserAgent.h"
#include "ui/qt/CRigvetWindow.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace
{
std::wstring ProbePath(const char* pszName)
{
    return QString::fromUtf8(RIGVET_PROBES_DIR "/").toStdWString() +
           QString::fromUtf8(pszName).toStdWString();
}
} // namespace

class CWindowBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void HelpButtonShowsItsExplanation_data()
    {
        QTest::addColumn<QString>("strButton");
        QTest::addColumn<QString>("strCaption");
        QTest::addColumn<QString>("strText");
        QTest::newRow("display")
            << "control1014"
            << "Requirement - Display Device"
            << QString::fromWCharArray(
                   L"A DirectX\x2122 11 or greater display adapter is required for "
                   L"Windows 8 or 10, and a DirectX\x2122 7 display adapter for "
                   L"Windows 7 SP1.");
        QTest::newRow("sound") << "control1015"
                               << "Requirement - Sound Device"
                               << "A sound device is only required for experiments that contain "
                                  "audio presentation.";
        QTest::newRow("updates") << "control1016"
                                 << "Requirement - Windows Updates"
                                 << "Installation of the latest Windows Updates is necessary on "
                                    "Windows 7 SP1 systems.";
        QTest::newRow("memory") << "control1012"
                                << "Requirement - System Memory"
                                << "4 GB of RAM or more is required.";
        QTest::newRow("disk") << "control1013"
                              << "Requirement - Free Disk Space"
                              << "1 GB of free disk space on your system drive is required.";
        QTest::newRow("clock") << "control1017"
                               << "Requirement - Accurate System Clock"
                               << "Your system clock must be accurate to within 60 seconds of "
                                  "standard internet time servers. This test requires internet "
                                  "connectivity.";
    }

    void HelpButtonShowsItsExplanation()
    {
        QFETCH(QString, strButton);
        QFETCH(QString, strCaption);
        QFETCH(QString, strText);
        CFakeQualificationSteps steps;
        CBoxRecorder recorder;
        CRigvetWindow window(steps, std::wstring(), recorder.Presenter());
        QPushButton* pButton = window.findChild<QPushButton*>(strButton);
        QVERIFY(pButton != nullptr);
        QCOMPARE(pButton->text(), QStringLiteral("?"));
        QVERIFY(pButton->isFlat());

        pButton->click();

        QCOMPARE(recorder.m_aBoxes.size(), size_t(1));
        const SShownBox& box = recorder.m_aBoxes[0];
        QCOMPARE(box.strCaption, strCaption);
        QCOMPARE(box.strText, strText);
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(!window.GetController().m_bFinished);
    }

    void ConsentQuestionOffersYesNoCancel()
    {
        CFakeQualificationSteps steps;
        CBoxRecorder recorder;
        recorder.m_consentAnswer = QMessageBox::Cancel;
        CRigvetWindow window(steps, std::wstring(), recorder.Presenter());
        window.findChild<QPushButton*>(QStringLiteral("control1000"))->click();
        QCOMPARE(recorder.m_aBoxes.size(), size_t(1));
        const SShownBox& box = recorder.m_aBoxes[0];
        QCOMPARE(box.strCaption, QStringLiteral("Internet Consent"));
        QVERIFY(box.strText.startsWith(QStringLiteral("An internet connection is required")));
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    }

    void RealMessageBoxIsOwnedAndAnswered()
    {
        // The default presenter runs the box's own event loop; a timer plays the user.
        CFakeQualificationSteps steps;
        CRigvetWindow window(steps, std::wstring());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QString strSeenCaption;
        bool bOwnedByDialog = false;
        QTimer timer;
        connect(&timer, &QTimer::timeout, &timer,
                [&]
                {
                    QMessageBox* pBox =
                        qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                    if (pBox == nullptr)
                    {
                        return;
                    }
                    strSeenCaption = pBox->windowTitle();
                    bOwnedByDialog = pBox->parentWidget() == &window;
                    pBox->button(QMessageBox::Ok)->click();
                });
        timer.start(20);
        window.findChild<QPushButton*>(QStringLiteral("control1013"))->click();
        timer.stop();
        QCOMPARE(strSeenCaption, QStringLiteral("Requirement - Free Disk Space"));
        QVERIFY(bOwnedByDialog);
    }

    void AboutEntryIsInTheContextMenu()
    {
        CFakeQualificationSteps steps;
        CBoxRecorder recorder;
        CRigvetWindow window(steps, ProbePath("version_probe_1043"), recorder.Presenter());
        QCOMPARE(window.contextMenuPolicy(), Qt::ActionsContextMenu);
        QVERIFY(window.actions().contains(window.GetAboutAction()));
        QCOMPARE(window.GetAboutAction()->text(), QStringLiteral("&About Rigvet..."));
        QCOMPARE(window.GetAboutAction()->shortcut(), QKeySequence(Qt::Key_F1));

        window.GetAboutAction()->trigger();

        QCOMPARE(recorder.m_aBoxes.size(), size_t(1));
        const SShownBox& box = recorder.m_aBoxes[0];
        QVERIFY(box.bAboutBox);
        QCOMPARE(box.strCaption, QStringLiteral("About Fieldora"));
        QCOMPARE(box.aAboutLines[0],
                 QStringLiteral("Rigvet for Stimora 3.0 and Fieldora 1.0, Version 1.0.4.3"));
        QCOMPARE(box.aAboutLines[1],
                 QStringLiteral("Copyright (C) 2020 Zel Research Ltd. All rights reserved."));
        QCOMPARE(box.aAboutLines[2], QStringLiteral("1.0.4.3"));
    }

    void RightClickMenuOffersTheAboutEntry()
    {
        // The real context menu opens; a timer plays the user who picks the entry.
        CFakeQualificationSteps steps;
        CBoxRecorder recorder;
        CRigvetWindow window(steps, ProbePath("version_probe_1043"), recorder.Presenter());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList aEntries;
        QTimer timer;
        connect(&timer, &QTimer::timeout, &timer,
                [&]
                {
                    QMenu* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                    if (pMenu == nullptr)
                    {
                        return;
                    }
                    for (const QAction* pAction : pMenu->actions())
                    {
                        aEntries << pAction->text();
                    }
                    pMenu->actions().constFirst()->trigger();
                    pMenu->close();
                });
        timer.start(20);
        const QPoint position = window.rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, position, window.mapToGlobal(position));
        QApplication::sendEvent(&window, &event);
        QTRY_COMPARE(recorder.m_aBoxes.size(), size_t(1));
        timer.stop();
        QCOMPARE(aEntries,
                 (QStringList{QStringLiteral("&About Rigvet..."), QStringLiteral("Copy Results"),
                              QStringLiteral("Save Results...")}));
        QVERIFY(recorder.m_aBoxes[0].bAboutBox);
        QCOMPARE(recorder.m_aBoxes[0].aAboutLines[2], QStringLiteral("1.0.4.3"));
    }

    void F1OpensTheAboutBoxTwiceAlike()
    {
        CFakeQualificationSteps steps;
        CBoxRecorder recorder;
        CRigvetWindow window(steps, ProbePath("version_probe_20017"), recorder.Presenter());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F1);
        QTest::keyClick(&window, Qt::Key_F1);

        QCOMPARE(recorder.m_aBoxes.size(), size_t(2));
        for (const SShownBox& box : recorder.m_aBoxes)
        {
            QVERIFY(box.bAboutBox);
            QCOMPARE(box.aAboutLines[0],
                     QStringLiteral("Rigvet for Stimora 3.0 and Fieldora 1.0, Version 2.0.0.0"));
            QCOMPARE(box.aAboutLines[2], QStringLiteral("2.0.0.17"));
        }
    }

    void UserAgentComesFromTheModuleAndReachesTheClock()
    {
        CFakeQualificationSteps steps;
        CBoxRecorder recorder;
        CRigvetWindow window(steps, ProbePath("version_probe_1234"), recorder.Presenter());
        QCOMPARE(QString::fromStdWString(g_strUserAgent), QStringLiteral("Rigvet/1.2.3.4"));
        window.findChild<QPushButton*>(QStringLiteral("control1000"))->click();
        QCOMPARE(steps.m_aUserAgents.size(), size_t(1));
        QCOMPARE(QString::fromStdWString(steps.m_aUserAgents.back()),
                 QStringLiteral("Rigvet/1.2.3.4"));

        CRigvetWindow unversioned(steps, ProbePath("version_probe_none"), recorder.Presenter());
        QCOMPARE(QString::fromStdWString(g_strUserAgent), QStringLiteral("Rigvet/0.0.0.0"));
    }
};

int RunWindowBoxTests(int argc, char** argv)
{
    CWindowBoxTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowBoxTest.moc"
