// The Console dialog running small console programs: what it shows, and when it closes.

#include "resources/ShellDialogIds.h"
#include "shell/difftools/ConsoleDlg.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace resources;

namespace {

const QString kHelper = QStringLiteral(RV_CONSOLE_HELPER);

QString TextOf(CConsoleDlg& dialog)
{
    return dialog.findChild<QPlainTextEdit*>(QString::number(IDC_CONSOLE_EDIT))->toPlainText();
}

const QString kEnded = QStringLiteral("\nProgram Ended.");

} // namespace

class TestConsole : public QObject {
    Q_OBJECT

private slots:
    void showsWhatTheProgramWrites_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("shown");
        const QString started = QStringLiteral("Running program:\n%1\n\n");
        const QString helper = kHelper;
        // The pieces arrive apart: backspaces before the figure that replaces, a character
        // cut in two, CR LF cut in two, a NUL inside a piece, then a line on standard error.
        QTest::addRow("pieces") << helper + " split"
                                << started.arg(helper + " split") + QString::fromUtf8("File (050%)\xc3\xa9\nAB\nerr\n") +
                                       kEnded;
        QTest::addRow("quoted arguments") << helper + " args \"a b\" c\\d \"q\\\"\""
                                          << started.arg(helper + " args \"a b\" c\\d \"q\\\"\"") +
                                                 "[a b]\n[c\\d]\n[q\"]\n" + kEnded;
        // Its input is closed: a question gets end of file instead of waiting forever.
        QTest::addRow("question") << helper + " ask" << started.arg(helper + " ask") + "Overwrite? no answer\n" + kEnded;
        // Away from the terminal the program was started from.
        QTest::addRow("session") << helper + " session" << started.arg(helper + " session") + "own session\n" + kEnded;
        QTest::addRow("missing program") << "/no/such/program -x" << "Unable to start /no/such/program -x\n";
        QTest::addRow("empty command line") << "" << "Unable to start \n";
    }
    void showsWhatTheProgramWrites()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, shown);
        CConsoleDlg dialog;
        dialog.Caption = QStringLiteral("Sumwatch");
        dialog.CommandLine = commandLine;
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Sumwatch"));
        QTRY_VERIFY(!dialog.IsRunning());
        QCOMPARE(TextOf(dialog), shown);
        // Once the program has ended (or never started), Close closes at once.
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    }

    void outputWrittenRightBeforeTheEndComesBeforeProgramEnded()
    {
        CConsoleDlg dialog;
        dialog.CommandLine = kHelper + " burst";
        dialog.show();
        QTRY_VERIFY(TextOf(dialog).endsWith(kEnded));
        const QString text = TextOf(dialog);
        QVERIFY(text.contains(QStringLiteral("\n\nline 0\nline 1\n")));
        QVERIFY(text.endsWith(QStringLiteral("\nlast") + kEnded));
        QVERIFY(text.size() > 100 * 1024);
    }

    void refusesToCloseWhileTheProgramRuns()
    {
        CConsoleDlg dialog;
        dialog.CommandLine = kHelper + " sleep 400";
        dialog.show();
        QVERIFY(dialog.IsRunning());
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.close());
        QVERIFY(dialog.isVisible());
        QTRY_VERIFY(TextOf(dialog).endsWith(QStringLiteral("awake\n") + kEnded));
        QVERIFY(dialog.close());
    }
};

QTEST_MAIN(TestConsole)
#include "tst_Console.moc"
