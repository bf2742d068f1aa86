// In the window test programs a message box that no test answered fails the running
// test at once, named by its caption and text, and the run goes on with the next test.
// The steps run in a child process, whose result is read from its output.

#include "platform/qt/MessageBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <array>

namespace {

constexpr const char* kChildVariable = "RV_UNANSWERED_BOX_STEPS";

using platform::MessageBox;

// What the boxes of the first step returned, and how long they took together.
std::array<int, 4> g_answers{};
qint64 g_elapsed = -1;

} // namespace

class UnansweredBoxSteps : public QObject {
    Q_OBJECT

private slots:
    void boxesWithoutAnswers()
    {
        QElapsedTimer timer;
        timer.start();
        g_answers = {MessageBox::Show(nullptr, "Anybody there?", "Unanswered", MessageBox::YesNoCancel),
                     MessageBox::Show(nullptr, "Second", "Unanswered", MessageBox::YesNo),
                     MessageBox::Show(nullptr, "Third", "Unanswered", MessageBox::OkCancel),
                     MessageBox::Show(nullptr, "Fourth", "Unanswered", MessageBox::Ok | MessageBox::IconError)};
        g_elapsed = timer.elapsed();
    }

    // Each box returned at once the answer that does least.
    void afterTheBoxes()
    {
        const std::array<int, 4> least{MessageBox::IdCancel, MessageBox::IdNo, MessageBox::IdCancel, MessageBox::IdOk};
        QCOMPARE(g_answers, least);
        QVERIFY(g_elapsed >= 0 && g_elapsed < 2000);
    }
};

class TestUnansweredBoxes : public QObject {
    Q_OBJECT

private slots:
    void unansweredBoxFailsItsTestAndTheRunGoesOn()
    {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kChildVariable), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        // A box shown for real would still be waiting when this gives up.
        QVERIFY(child.waitForFinished(60000));
        const QString output = QString::fromUtf8(child.readAllStandardOutput());
        QVERIFY2(output.contains(QStringLiteral("FAIL!  : UnansweredBoxSteps::boxesWithoutAnswers() message box "
                                                "\"Unanswered\" with no queued answer: \"Anybody there?\"")),
                 qPrintable(output));
        QVERIFY2(output.contains(QStringLiteral("PASS   : UnansweredBoxSteps::afterTheBoxes()")), qPrintable(output));
        QCOMPARE(child.exitCode(), 1);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kChildVariable)) {
        UnansweredBoxSteps steps;
        return QTest::qExec(&steps, argc, argv);
    }
    TestUnansweredBoxes test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_UnansweredBoxes.moc"
