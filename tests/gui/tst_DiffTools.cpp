// File > DiffTools from the main window: the Deltamend and Sumwatch dialogs, their command
// lines, and the real sumwatch run in the Console dialog.

#include "GuiFixture.h"
#include "resources/CommandIds.h"
#include "resources/ControlIds.h"
#include "resources/ShellDialogIds.h"
#include "shell/difftools/ConsoleDlg.h"
#include "shell/difftools/DeltamendDlg.h"
#include "shell/difftools/SumwatchDlg.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>

using namespace guitest;
using namespace resources;

namespace {

QString Preview(QDialog& dialog)
{
    return dialog.findChild<QLineEdit*>(QString::number(IDC_DIFF_COMMANDLINE))->text();
}
QLineEdit* Edit(QDialog& dialog, int id)
{
    return dialog.findChild<QLineEdit*>(QString::number(id));
}
void Tick(QDialog& dialog, int id)
{
    dialog.findChild<QCheckBox*>(QString::number(id))->click();
}
bool Enabled(QDialog& dialog, int id)
{
    return dialog.findChild<QWidget*>(QString::number(id))->isEnabled();
}

// The statistics title holds the time of the run.
QString WithoutTime(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("Sumwatch Statistics - [^\n]*")),
                        QStringLiteral("Sumwatch Statistics - TIME"));
}

QString ConsoleText(CConsoleDlg& console)
{
    return console.findChild<QPlainTextEdit*>(QString::number(IDC_CONSOLE_EDIT))->toPlainText();
}

} // namespace

class TestDiffTools : public QObject {
    Q_OBJECT

private slots:
    void init() { m_program = std::make_unique<Program>(); }
    void cleanup()
    {
        m_program.reset();
        while (platform::FileDialog::PendingFileNames() > 0)
            platform::FileDialog::GetOpenFileName(nullptr, {}, {}, {});
    }

    // Each step changes the dialog as a user would; the preview follows at once.
    void deltamendPreviewFollowsEveryChange()
    {
        CDeltamendDlg dialog("/z/lists/");
        dialog.ProgramPath = "/opt/deltamend";
        dialog.DiffilesPath = "/z/diffs/";
        dialog.LogfilePath = "/z/log.txt";
        dialog.Sumwatch = dialog.Force = dialog.Keep = dialog.NoStats = dialog.Quiet = dialog.Logfile = 1;
        dialog.show();
        const struct {
            const char* step;
            std::function<void()> act;
            const char* preview;
            bool logfileEnabled;
        } steps[] = {
            {"as given", [] {},
             "/opt/deltamend /z/lists/ /z/diffs/ -sumwatch -force -keep -nostats -quiet -logfile /z/log.txt", true},
            {"log file off", [&] { Tick(dialog, IDC_DIFF_LOGFILE); },
             "/opt/deltamend /z/lists/ /z/diffs/ -sumwatch -force -keep -nostats -quiet", false},
            {"keep off", [&] { Tick(dialog, IDC_DELTAMEND_KEEP); },
             "/opt/deltamend /z/lists/ /z/diffs/ -sumwatch -force -nostats -quiet", false},
            {"one key typed", [&] { QTest::keyClick(Edit(dialog, IDC_DELTAMEND_PROGRAMPATH), Qt::Key_2); },
             "/opt/deltamend2 /z/lists/ /z/diffs/ -sumwatch -force -nostats -quiet", false},
            {"folder chosen",
             [&] {
                 platform::FileDialog::SetNextFileName(QStringLiteral("/z/new diffs"));
                 Click(dialog, IDC_DELTAMEND_DIFFILESBROWSE);
             },
             "/opt/deltamend2 /z/lists/ \"/z/new diffs/\" -sumwatch -force -nostats -quiet", false},
            {"folder browse cancelled",
             [&] {
                 platform::FileDialog::SetNextFileName(QString());
                 Click(dialog, IDC_DELTAMEND_DIFFILESBROWSE);
             },
             "/opt/deltamend2 /z/lists/ \"/z/new diffs/\" -sumwatch -force -nostats -quiet", false},
            {"log file on and chosen",
             [&] {
                 Tick(dialog, IDC_DIFF_LOGFILE);
                 platform::FileDialog::SetNextFileName(QStringLiteral("/z/new.log"));
                 Click(dialog, IDC_DIFF_LOGFILEBROWSE);
             },
             "/opt/deltamend2 /z/lists/ \"/z/new diffs/\" -sumwatch -force -nostats -quiet -logfile /z/new.log", true},
            {"program chosen",
             [&] {
                 platform::FileDialog::SetNextFileName(QStringLiteral("/usr/bin/dm"));
                 Click(dialog, IDC_DELTAMEND_PROGRAMBROWSE);
             },
             "/usr/bin/dm /z/lists/ \"/z/new diffs/\" -sumwatch -force -nostats -quiet -logfile /z/new.log", true},
            // An empty path stays an argument, so nothing takes its place.
            {"log file path emptied", [&] { Edit(dialog, IDC_DIFF_LOGFILEPATH)->clear(); },
             "/usr/bin/dm /z/lists/ \"/z/new diffs/\" -sumwatch -force -nostats -quiet -logfile \"\"", true},
        };
        for (const auto& step : steps) {
            step.act();
            QCOMPARE(Preview(dialog), QString::fromLatin1(step.preview));
            for (const int id : {IDC_DIFF_LOGFILELABEL, IDC_DIFF_LOGFILEPATH, IDC_DIFF_LOGFILEBROWSE})
                QVERIFY2(Enabled(dialog, id) == step.logfileEnabled, step.step);
        }
        QCOMPARE(platform::FileDialog::PendingFileNames(), 0);
        Click(dialog, IDOK);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Keep, 0);
        QCOMPARE(dialog.DiffilesPath, std::string("/z/new diffs/"));
        QCOMPARE(dialog.ProgramPath, std::string("/usr/bin/dm"));
    }

    void sumwatchChecksTheListsInTheConsole_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("listsArgument"); // the folder as the command line holds it
        QTest::newRow("blank and accent") << QStringLiteral("My Lists \u00E9") << QStringLiteral("\"%1\"");
        QTest::newRow("cyrillic") << QStringLiteral("Фильмы") << QStringLiteral("%1");
        QTest::newRow("polish") << QStringLiteral("Łódź") << QStringLiteral("%1");
    }

    // The real sumwatch over a lists folder named beyond ASCII, one list changed after its
    // checksum was written, with a log file named in Cyrillic; OK saves the options.
    void sumwatchChecksTheListsInTheConsole()
    {
        QFETCH(QString, folder);
        QFETCH(QString, listsArgument);
        const QString lists = QString::fromStdString(m_program->dir.Path()) + folder + "/";
        std::filesystem::create_directories(lists.toStdString());
        const auto written = m_program->generator->WriteSet(lists.toStdString(), {0, 1});
        std::string changed = testsupport::ReadFile(written[1].path);
        changed[changed.size() / 2] ^= 0x01;
        testsupport::WriteFile(written[1].path, changed);
        const QString log = QString::fromStdString(m_program->dir.Path()) + QStringLiteral("журнал.log");
        m_program->profile->Settings().setValue("Settings/Lists Path", lists);
        m_program->profile->Settings().setValue("Settings/Sumwatch Sumwatch Path", QStringLiteral(RV_SUMWATCH_EXE));
        m_program->profile->Settings().setValue("Settings/Sumwatch Logfile Path", log);
        QVERIFY(m_program->Start());

        const QString commandLine = QStringLiteral(RV_SUMWATCH_EXE " ") + listsArgument.arg(lists);
        QString shown;
        bool answered = false;
        WhenModal<CSumwatchDlg>([&](CSumwatchDlg& dialog) {
            QCOMPARE(Preview(dialog), commandLine);
            Tick(dialog, IDC_DIFF_LOGFILE);
            QCOMPARE(Preview(dialog), commandLine + " -logfile " + log);
            WhenModal<CConsoleDlg>([&](CConsoleDlg& console) {
                QCOMPARE(console.windowTitle(), QStringLiteral("Sumwatch"));
                QTRY_VERIFY_WITH_TIMEOUT(!console.IsRunning(), 20000);
                shown = ConsoleText(console);
                Click(console, IDOK);
            });
            Click(dialog, IDC_SUMWATCH_RUN);
            QVERIFY(!shown.isEmpty());
            Click(dialog, IDOK);
            answered = true;
        });
        m_program->Action(ID_DIFFTOOLS_SUMWATCH)->trigger();
        QVERIFY(answered);

        // Each list's percentages are taken back by backspaces, leaving its result.
        const auto size = [&](int list) {
            return QStringLiteral("%1").arg(std::filesystem::file_size(written[list].path), 8);
        };
        const QString table = QStringLiteral("Status   Filesize  Filedate                  Listfile\n"
                                             "------------------------------------------------------------\n"
                                             "CRC OK   %1  Fri Nov 30 00:00:00 2001  Actors.list\n"
                                             "CRC-Error%2  Fri Nov 30 00:00:00 2001  Actresses.list\n")
                                  .arg(size(0), size(1));
        const QString expected =
            QStringLiteral("Running program:\n"
                           "%1 -logfile %2\n"
                           "\n"
                           "Sumwatch 1.5 (22.11.01) - checks the CRC line at the top of list files\n"
                           "\n"
                           "Check CRC of File Actors.list - CRC O.K.\n"
                           "Check CRC of File Actresses.list - CRC Error\n"
                           "\n"
                           "Sumwatch Statistics - TIME\n"
                           "\n"
                           "%3"
                           "\n"
                           "Program Ended.")
                .arg(commandLine, log, table);
        QCOMPARE(WithoutTime(shown), expected);
        QCOMPARE(WithoutTime(QString::fromStdString(testsupport::ReadFile(log.toStdString()))),
                 "\nSumwatch Statistics - TIME\n\n" + table);

        m_program->profile->Settings().sync();
        QCOMPARE(m_program->profile->GetProfileInt("Settings", "Sumwatch Logfile", 0), 1);
    }

    // No diff applier comes with the program: Run reports that it cannot start, the
    // console closes at once, and leaving with Escape saves nothing.
    void deltamendWithoutAnApplierThenEscapeSavesNothing()
    {
        QVERIFY(m_program->Start());
        m_program->profile->Settings().sync();
        const std::string before = testsupport::ReadFile(m_program->dir.File("profile.ini"));
        bool answered = false;
        WhenModal<CDeltamendDlg>([&](CDeltamendDlg& dialog) {
            Tick(dialog, IDC_DELTAMEND_FORCE);
            const QString commandLine = Preview(dialog);
            QVERIFY(commandLine.startsWith(QString::fromStdString(m_program->app->ProgramDir + "deltamend ")));
            WhenModal<CConsoleDlg>([&](CConsoleDlg& console) {
                QCOMPARE(ConsoleText(console), "Unable to start " + commandLine + "\n");
                Click(console, IDOK);
                QVERIFY(!console.isVisible());
            });
            Click(dialog, IDC_DELTAMEND_RUN);
            QTest::keyClick(&dialog, Qt::Key_Escape);
            answered = true;
        });
        m_program->Action(ID_DIFFTOOLS_DELTAMEND)->trigger();
        QVERIFY(answered);
        m_program->profile->Settings().sync();
        QCOMPARE(testsupport::ReadFile(m_program->dir.File("profile.ini")), before);
        QCOMPARE(m_program->app->Settings.DeltamendForce, 0);
    }

private:
    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(TestDiffTools)
#include "tst_DiffTools.moc"
