// The Windows style bits of the run's boxes become Qt icons and buttons, and the button pressed
// becomes the Windows answer.
#include "ui/qt/MessageBoxMapping.h"

#include "QtTests.h"
#include "run/MessageBoxStyle.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QTest>

class CMessageBoxMappingTest : public QObject
{
    Q_OBJECT

private slots:
    void StyleGivesIconAndButtons_data()
    {
        QTest::addColumn<uint>("nStyle");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("buttons");
        QTest::newRow("information")
            << uint(MessageBoxStyle::kOk | MessageBoxStyle::kIconInformation)
            << int(QMessageBox::Information) << int(QMessageBox::Ok);
        QTest::newRow("error") << uint(MessageBoxStyle::kOk | MessageBoxStyle::kIconError)
                               << int(QMessageBox::Critical) << int(QMessageBox::Ok);
        QTest::newRow("question") << uint(MessageBoxStyle::kYesNoCancel |
                                          MessageBoxStyle::kIconQuestion)
                                  << int(QMessageBox::Question)
                                  << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QTest::newRow("plain") << uint(MessageBoxStyle::kOk) << int(QMessageBox::NoIcon)
                               << int(QMessageBox::Ok);
    }

    void StyleGivesIconAndButtons()
    {
        QFETCH(uint, nStyle);
        QFETCH(int, icon);
        QFETCH(int, buttons);
        QMessageBox box;
        ConfigureMessageBox(box, L"a < b & c", L"Caption", nStyle);
        QCOMPARE(int(box.icon()), icon);
        QCOMPARE(int(box.standardButtons()), buttons);
        QCOMPARE(box.windowTitle(), QStringLiteral("Caption"));
        QCOMPARE(box.text(), QStringLiteral("a < b & c"));
        QCOMPARE(box.textFormat(), Qt::PlainText);
    }

    void PressedButtonGivesTheWindowsAnswer_data()
    {
        QTest::addColumn<uint>("nStyle");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("nAnswer");
        const uint nQuestion = MessageBoxStyle::kYesNoCancel | MessageBoxStyle::kIconQuestion;
        QTest::newRow("yes") << nQuestion << int(QMessageBox::Yes) << MessageBoxAnswer::kYes;
        QTest::newRow("no") << nQuestion << int(QMessageBox::No) << MessageBoxAnswer::kNo;
        QTest::newRow("cancel") << nQuestion << int(QMessageBox::Cancel)
                                << MessageBoxAnswer::kCancel;
        QTest::newRow("ok") << uint(MessageBoxStyle::kIconError) << int(QMessageBox::Ok)
                            << MessageBoxAnswer::kOk;
        // Closed without a button: Cancel where there is one, else OK.
        QTest::newRow("question closed")
            << nQuestion << int(QMessageBox::NoButton) << MessageBoxAnswer::kCancel;
        QTest::newRow("ok closed") << uint(MessageBoxStyle::kIconInformation)
                                   << int(QMessageBox::NoButton) << MessageBoxAnswer::kOk;
    }

    void PressedButtonGivesTheWindowsAnswer()
    {
        QFETCH(uint, nStyle);
        QFETCH(int, button);
        QFETCH(int, nAnswer);
        QMessageBox box;
        ConfigureMessageBox(box, L"text", L"caption", nStyle);
        if (button != QMessageBox::NoButton)
        {
            box.button(QMessageBox::StandardButton(button))->click();
        }
        QCOMPARE(GetMessageBoxAnswer(box, nStyle), nAnswer);
    }

    void EscapeAnswersCancelOrOk()
    {
        QMessageBox question;
        ConfigureMessageBox(question, L"text", L"caption",
                            MessageBoxStyle::kYesNoCancel | MessageBoxStyle::kIconQuestion);
        QCOMPARE(question.escapeButton(), question.button(QMessageBox::Cancel));
        QCOMPARE(static_cast<QAbstractButton*>(question.defaultButton()),
                 question.button(QMessageBox::Yes));
        QMessageBox notice;
        ConfigureMessageBox(notice, L"text", L"caption", MessageBoxStyle::kIconInformation);
        QCOMPARE(notice.escapeButton(), notice.button(QMessageBox::Ok));
    }
};

int RunMessageBoxMappingTests(int argc, char** argv)
{
    CMessageBoxMappingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "MessageBoxMappingTest.moc"
