#pragma once
// A console runner that writes everything into a text control: the command line when the
// child starts, its output as it comes (backspaces applied), and "Program Ended.".

#include "shell/ConsoleRunner.h"
#include "shell/core/ConsoleText.h"

#include <QPointer>

class QPlainTextEdit;

class CConsoleEditRunner : public CConsoleRunner {
public:
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

    QPointer<QPlainTextEdit> m_edit;
    shellcore::CConsoleText m_text;
};
