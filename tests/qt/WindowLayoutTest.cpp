// The dialog's arrangement: frame size in dialog units, rows and columns, tab order, texts that
// fit.
#include "CBoxRecorder.h"
#include "QtTests.h"
#include "support/FakeQualificationSteps.h"
#include "ui/qt/CAboutWindow.h"
#include "ui/qt/CRigvetWindow.h"
#include "ui/qt/DialogUnits.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace
{
QWidget* Child(const QWidget& window, const char* pszName)
{
    return window.findChild<QWidget*>(QString::fromLatin1(pszName));
}

// Every text label and button shows its whole text.
void VerifyTextsFit(const QWidget& window)
{
    for (const QLabel* pLabel : window.findChildren<QLabel*>())
    {
        if (!pLabel->text().isEmpty())
        {
            QVERIFY2(pLabel->sizeHint().width() <= pLabel->width(), qPrintable(pLabel->text()));
            QVERIFY2(pLabel->fontMetrics().height() <= pLabel->height(),
                     qPrintable(pLabel->text()));
        }
    }
    for (const QPushButton* pButton : window.findChildren<QPushButton*>())
    {
        QVERIFY2(pButton->fontMetrics().horizontalAdvance(pButton->text()) < pButton->width(),
                 qPrintable(pButton->text()));
    }
}
} // namespace

class CWindowLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void DialogUnitsScaleByTheFont_data()
    {
        QTest::addColumn<int>("nCharWidth");
        QTest::addColumn<int>("nCharHeight");
        QTest::addColumn<QRect>("expected");
        // The Windows reference font: 6 by 13 pixels gives 587 by 346 for the whole frame.
        QTest::newRow("6x13") << 6 << 13 << QRect(0, 0, 587, 346);
        QTest::newRow("7x16") << 7 << 16 << QRect(0, 0, 684, 426);
        QTest::newRow("4x8") << 4 << 8 << QRect(0, 0, 391, 213);
    }

    void DialogUnitsScaleByTheFont()
    {
        QFETCH(int, nCharWidth);
        QFETCH(int, nCharHeight);
        QFETCH(QRect, expected);
        QCOMPARE(CDialogUnits(nCharWidth, nCharHeight).ToPixels(0, 0, 391, 213), expected);
    }

    void FrameIsTheTemplateSize()
    {
        CFakeQualificationSteps steps;
        CRigvetWindow window(steps, std::wstring(), CBoxRecorder().Presenter());
        const CDialogUnits units(window.font());
        QCOMPARE(window.size(), QSize(units.ToPixelsX(391), units.ToPixelsY(213)));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(window.windowTitle().isEmpty());
        QCOMPARE(window.accessibleName(), QStringLiteral("Rigvet"));
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    }

    void RowsFormTwoColumnsInsideTheGroup()
    {
        CFakeQualificationSteps steps;
        CRigvetWindow window(steps, std::wstring(), CBoxRecorder().Presenter());
        const QRect group = Child(window, "resultsGroup")->geometry();
        QCOMPARE(static_cast<QGroupBox*>(Child(window, "resultsGroup"))->title(),
                 QStringLiteral("Results"));
        // Help-button ids of the rows, left column then right column, top to bottom.
        const int aColumns[2][3] = {{1014, 1015, 1016}, {1012, 1013, 1017}};
        const char* aNames[2][3] = {
            {"Display Device?", "Sound Device?", "Windows Updates?"},
            {"System Memory?", "Free Disk Space?", "Accurate System Time?"}};
        for (int nColumn = 0; nColumn < 2; ++nColumn)
        {
            for (int nRow = 0; nRow < 3; ++nRow)
            {
                const int nId = aColumns[nColumn][nRow];
                const QLabel* pName = window.findChild<QLabel*>(QStringLiteral("name%1").arg(nId));
                QVERIFY(pName != nullptr);
                QCOMPARE(pName->text(), QString::fromLatin1(aNames[nColumn][nRow]));
                QVERIFY(group.contains(pName->geometry()));
                const QWidget* pHelp =
                    Child(window, qPrintable(QStringLiteral("control%1").arg(nId)));
                QVERIFY(group.contains(pHelp->geometry()));
                QVERIFY(pHelp->geometry().left() > pName->geometry().right());
                if (nRow > 0)
                {
                    const QLabel* pAbove = window.findChild<QLabel*>(
                        QStringLiteral("name%1").arg(aColumns[nColumn][nRow - 1]));
                    QCOMPARE(pName->x(), pAbove->x());
                    QVERIFY(pName->y() > pAbove->geometry().bottom());
                }
                if (nColumn > 0)
                {
                    const QLabel* pLeft =
                        window.findChild<QLabel*>(QStringLiteral("name%1").arg(aColumns[0][nRow]));
                    QCOMPARE(pName->y(), pLeft->y());
                    QVERIFY(pName->x() >
                            Child(window,
                                  qPrintable(QStringLiteral("control%1").arg(aColumns[0][nRow])))
                                ->geometry()
                                .right());
                }
            }
        }
    }

    void WordsReadPassFailUnknownAlongEachRow()
    {
        CFakeQualificationSteps steps;
        CRigvetWindow window(steps, std::wstring(), CBoxRecorder().Presenter());
        for (ERequirement requirement : g_aRequirements)
        {
            const QLabel* pPass = window.GetResultLabel(requirement, ELabelWord::Pass);
            const QLabel* pFail = window.GetResultLabel(requirement, ELabelWord::Fail);
            const QLabel* pUnknown = window.GetResultLabel(requirement, ELabelWord::Unknown);
            QCOMPARE(pPass->text(), QStringLiteral("PASS"));
            QCOMPARE(pFail->text(), QStringLiteral("FAIL"));
            QCOMPARE(pUnknown->text(), QStringLiteral("UNK"));
            QCOMPARE(pFail->y(), pPass->y());
            QCOMPARE(pUnknown->y(), pPass->y());
            QVERIFY(pPass->geometry().right() < pFail->x());
            QVERIFY(pFail->geometry().right() < pUnknown->x());
        }
    }

    void BannerBusyTextAndButtonSurroundTheGroup()
    {
        CFakeQualificationSteps steps;
        CRigvetWindow window(steps, std::wstring(), CBoxRecorder().Presenter());
        const QRect group = Child(window, "resultsGroup")->geometry();
        const QLabel* pBanner = window.findChild<QLabel*>(QStringLiteral("banner"));
        QVERIFY(!pBanner->pixmap().isNull());
        QVERIFY(pBanner->geometry().bottom() < group.top());
        QVERIFY(qAbs(pBanner->geometry().center().x() - window.rect().center().x()) <= 2);
        const QRect busy = Child(window, "control1009")->geometry();
        const QRect button = Child(window, "control1000")->geometry();
        QVERIFY(busy.top() > group.bottom());
        QVERIFY(button.top() > busy.bottom());
        QVERIFY(button.width() > window.width() * 9 / 10);
        QVERIFY(button.bottom() < window.height());
    }

    void TabOrderFollowsTheTemplate()
    {
        CFakeQualificationSteps steps;
        CRigvetWindow window(steps, std::wstring(), CBoxRecorder().Presenter());
        QStringList aOrder;
        QWidget* pWidget = Child(window, "control1000");
        do
        {
            if (pWidget->focusPolicy() & Qt::TabFocus)
            {
                aOrder << pWidget->objectName();
            }
            pWidget = pWidget->nextInFocusChain();
        } while (pWidget != Child(window, "control1000"));
        QCOMPARE(aOrder, (QStringList{"control1000", "control1014", "control1012", "control1015",
                                      "control1013", "control1016", "control1017"}));
    }

    void TextsFit()
    {
        CFakeQualificationSteps steps;
        CRigvetWindow window(steps, std::wstring(), CBoxRecorder().Presenter());
        VerifyTextsFit(window);
    }

    void AboutBoxFollowsItsTemplate()
    {
        const std::wstring strPath =
            QString::fromUtf8(RIGVET_PROBES_DIR "/version_probe_max").toStdWString();
        CAboutWindow box(strPath, nullptr);
        const CDialogUnits units(box.font());
        QCOMPARE(box.size(), QSize(units.ToPixelsX(281), units.ToPixelsY(91)));
        QCOMPARE(box.windowTitle(), QStringLiteral("About Fieldora"));
        QVERIFY(!box.findChild<QLabel*>(QStringLiteral("aboutIcon"))->pixmap().isNull());
        QVERIFY(box.findChild<QPushButton*>(QStringLiteral("aboutOk"))->isDefault());
        VerifyTextsFit(box);
    }
};

int RunWindowLayoutTests(int argc, char** argv)
{
    CWindowLayoutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowLayoutTest.moc"
