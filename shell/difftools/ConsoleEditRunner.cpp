#include "shell/difftools/ConsoleEditRunner.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace {
constexpr int kFlushMilliseconds = 50;
}

CConsoleEditRunner::CConsoleEditRunner()
{
    m_flushTimer.setSingleShot(true);
    m_flushTimer.setInterval(kFlushMilliseconds);
    QObject::connect(&m_flushTimer, &QTimer::timeout, [this] { Flush(); });
}

void CConsoleEditRunner::Attach(QPlainTextEdit* edit)
{
    m_edit = edit;
}

void CConsoleEditRunner::AppendText(const QString& text)
{
    Append(shellcore::CConsoleText::kOwnText, text);
}

void CConsoleEditRunner::OnStart(const QString& commandLine)
{
    if (!m_edit)
        return;
    m_text.Clear();
    m_edit->clear();
    AppendText(QStringLiteral("Running program:\r\n") + commandLine + QStringLiteral("\r\n\r\n"));
}

void CConsoleEditRunner::OnStdout(const QString& text)
{
    Append(shellcore::CConsoleText::kStdout, text);
}

void CConsoleEditRunner::OnStderr(const QString& text)
{
    Append(shellcore::CConsoleText::kStderr, text);
}

void CConsoleEditRunner::OnEnd()
{
    AppendText(QStringLiteral("\r\nProgram Ended."));
}

void CConsoleEditRunner::Append(shellcore::CConsoleText::Channel channel, const QString& text)
{
    if (!m_edit)
        return;
    m_text.Append(channel, std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size()));
    if (channel == shellcore::CConsoleText::kOwnText || !IsRunning())
        Flush();
    else if (!m_flushTimer.isActive())
        m_flushTimer.start();
}

void CConsoleEditRunner::Flush()
{
    m_flushTimer.stop();
    if (!m_edit)
        return;
    const shellcore::CConsoleText::Change change = m_text.TakeChange();
    if (change.removed == 0 && change.inserted.empty())
        return;
    // Only the end of the text changes: one edit there, never a new layout of everything
    // shown before.
    QTextCursor cursor(m_edit->document());
    cursor.movePosition(QTextCursor::End);
    if (change.removed > 0) {
        cursor.setPosition(cursor.position() - static_cast<int>(change.removed), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    cursor.insertText(QString::fromUtf16(change.inserted.data(), static_cast<qsizetype>(change.inserted.size())));
    m_edit->setTextCursor(cursor);
    m_edit->ensureCursorVisible();
}
