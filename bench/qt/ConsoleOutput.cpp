// The Console dialog showing a program that writes 10 MB in 100,000 lines, each with a
// progress figure redrawn by backspaces, against the same program writing to /dev/null,
// in one run. The figure is the time from the start until "Program Ended." is shown.
//
//   bench_ConsoleOutput [LINES [RUNS]]
//
// Runs on the display in DISPLAY, or offscreen without one.

#include "shell/difftools/ConsoleDlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTextCursor>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

const char* const kHelper = RV_CONSOLE_HELPER;
constexpr int kLineWidth = 100;

double ConsoleSeconds(int lines, QString* shown)
{
    QElapsedTimer timer;
    timer.start();
    CConsoleDlg console;
    console.CommandLine = QStringLiteral("%1 flood %2 %3").arg(QString::fromUtf8(kHelper)).arg(lines).arg(kLineWidth);
    console.show();
    while (console.IsRunning())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // What the window shows is laid out and painted before the clock stops.
    QCoreApplication::processEvents();
    const double seconds = timer.nsecsElapsed() / 1e9;
    *shown = console.findChild<QPlainTextEdit*>()->toPlainText();
    return seconds;
}

// The least any console can take: the text it ends up showing, put into the same kind of
// control in one piece.
double OnePieceSeconds(const QString& text)
{
    QElapsedTimer timer;
    timer.start();
    CConsoleDlg console;
    console.show();
    auto* edit = console.findChild<QPlainTextEdit*>();
    QTextCursor cursor(edit->document());
    cursor.insertText(text);
    edit->setTextCursor(cursor);
    edit->ensureCursorVisible();
    QCoreApplication::processEvents();
    return timer.nsecsElapsed() / 1e9;
}

double DevNullSeconds(int lines)
{
    QElapsedTimer timer;
    timer.start();
    QProcess child;
    child.setStandardOutputFile(QProcess::nullDevice());
    child.start(QString::fromUtf8(kHelper), {QStringLiteral("flood"), QString::number(lines), QString::number(kLineWidth)});
    child.waitForFinished(-1);
    return timer.nsecsElapsed() / 1e9;
}

std::string Load()
{
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;

    double console = 1e9, devNull = 1e9, onePiece = 1e9;
    QString shown;
    for (int i = 0; i < runs; ++i) {
        devNull = std::min(devNull, DevNullSeconds(lines));
        console = std::min(console, ConsoleSeconds(lines, &shown));
        onePiece = std::min(onePiece, OnePieceSeconds(shown));
    }
    const double megabytes = double(lines) * kLineWidth / 1e6;
    std::printf("load average %s; best of %d runs; %d lines, %.1f MB with backspaces\n", Load().c_str(), runs, lines,
                megabytes);
    std::printf("child to /dev/null            %7.3f s\n", devNull);
    std::printf("its text put in at once       %7.3f s  (the control's own share)\n", onePiece);
    std::printf("child in the Console dialog   %7.3f s  %5.2fx /dev/null (target <= 3x), %5.2fx at once; %lld characters\n",
                console, console / devNull, console / onePiece, static_cast<long long>(shown.size()));
    return 0;
}
