#pragma once
// Runs a console program as a child process and hands what it writes, as it comes, to
// four operations that subclasses override. One QProcess on the GUI thread: its output
// arrives through the event loop, so the operations run on the GUI thread too.

#include <QProcess>
#include <QString>
#include <QStringDecoder>
#include <memory>

class CConsoleRunner {
public:
    CConsoleRunner() = default;
    // Stops a child that still runs (without calling the operations any more).
    virtual ~CConsoleRunner();
    CConsoleRunner(const CConsoleRunner&) = delete;
    CConsoleRunner& operator=(const CConsoleRunner&) = delete;

    // Starts `commandLine` (a program and its arguments, split as SplitCommandLine does;
    // no shell reads it). The child runs in a session of its own with its input closed,
    // so it can neither ask the terminal nor wait for an answer. `show` is the console
    // window's show state of systems that give the child one; a child here has none.
    // False, after OnStdout("Unable to start <commandLine>\n"), when it does not start.
    bool Start(const QString& commandLine, int show);
    // True from a successful Start until the child's end has been reported by OnEnd.
    bool IsRunning() const;
    // Ends the child if it still runs, waiting up to a second; safe when nothing runs.
    void Stop();

protected:
    virtual void OnStart(const QString& commandLine);
    // A piece of what the child wrote, decoded as UTF-8 per channel (a character split
    // between two reads arrives whole; invalid bytes arrive as U+FFFD).
    virtual void OnStdout(const QString& text);
    virtual void OnStderr(const QString& text);
    // The child has ended; everything it wrote has been passed on before.
    virtual void OnEnd();

private:
    void ReadStdout();
    void ReadStderr();
    void Finished();

    std::unique_ptr<QProcess> m_process;
    QStringDecoder m_stdoutDecoder{QStringDecoder::Utf8};
    QStringDecoder m_stderrDecoder{QStringDecoder::Utf8};
};
