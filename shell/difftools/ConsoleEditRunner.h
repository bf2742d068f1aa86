#pragma once
// A console runner that writes everything into a text control: the command line when the
// child starts, its output as it comes (backspaces applied), and "Program Ended.".

#include "shell/core/ConsoleText.h"
#include "shell/difftools/ConsoleRunner.h"

#include <QPointer>
#include <QTimer>

class QPlainTextEdit;

class CConsoleEditRunner : public CConsoleRunner {
public:
    CConsoleEditRunner();

    // The control to write to (not owned; nothing is written while there is none).
    void Attach(QPlainTextEdit* edit);
    // Writes `text` at the end of the control.
    void AppendText(const QString& text);

protected:
    void OnStart(const QString& commandLine) override;
    void OnStdout(const QString& text) override;
    void OnStderr(const QString& text) override;
    void OnEnd() override;

private:
    void Append(shellcore::CConsoleText::Channel channel, const QString& text);
    // Brings the control up to date with the text.
    void Flush();

    QPointer<QPlainTextEdit> m_edit;
    shellcore::CConsoleText m_text;
    // While the child runs, its output reaches the control at most every few
    // milliseconds, however small the pieces it writes.
    QTimer m_flushTimer;
};
