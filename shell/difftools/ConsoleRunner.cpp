#include "shell/difftools/ConsoleRunner.h"

#include "shell/core/CommandLine.h"

#include <QStringList>
#include <unistd.h>

CConsoleRunner::~CConsoleRunner()
{
    // The subclass is gone already: nothing may reach its operations any more.
    if (m_process)
        m_process->disconnect();
    Stop();
}

bool CConsoleRunner::Start(const QString& commandLine, int /*show*/)
{
    Stop();
    m_process.reset();
    // Blanks and quotes are ASCII, so the UTF-8 form splits exactly like the text.
    QStringList arguments;
    for (const std::string& argument : shellcore::SplitCommandLine(commandLine.toStdString()))
        arguments.append(QString::fromStdString(argument));

    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::SeparateChannels);
    // A session of its own keeps the child away from the terminal the program was started
    // from: it cannot read it, and an interrupt typed there does not reach it.
    process->setChildProcessModifier([] { ::setsid(); });
    if (!arguments.isEmpty()) {
        const QString program = arguments.takeFirst();
        process->start(program, arguments);
    }
    // An empty command line starts nothing and fails here too.
    if (!process->waitForStarted()) {
        OnStdout(QStringLiteral("Unable to start %1\n").arg(commandLine));
        return false;
    }
    // The child reads end of file instead of waiting for input that never comes.
    process->closeWriteChannel();
    m_stdoutDecoder.resetState();
    m_stderrDecoder.resetState();
    QProcess* p = process.get();
    QObject::connect(p, &QProcess::readyReadStandardOutput, p, [this] { ReadStdout(); });
    QObject::connect(p, &QProcess::readyReadStandardError, p, [this] { ReadStderr(); });
    QObject::connect(p, &QProcess::finished, p, [this] { Finished(); });
    m_process = std::move(process);
    OnStart(commandLine);
    return true;
}

bool CConsoleRunner::IsRunning() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

void CConsoleRunner::Stop()
{
    if (!IsRunning())
        return;
    m_process->kill();
    m_process->waitForFinished(1000);
}

void CConsoleRunner::ReadStdout()
{
    const QString text = m_stdoutDecoder.decode(m_process->readAllStandardOutput());
    if (!text.isEmpty())
        OnStdout(text);
}

void CConsoleRunner::ReadStderr()
{
    const QString text = m_stderrDecoder.decode(m_process->readAllStandardError());
    if (!text.isEmpty())
        OnStderr(text);
}

void CConsoleRunner::Finished()
{
    // What the child wrote right before it ended comes before the end.
    ReadStdout();
    ReadStderr();
    OnEnd();
}

void CConsoleRunner::OnStart(const QString&) {}
void CConsoleRunner::OnStdout(const QString&) {}
void CConsoleRunner::OnStderr(const QString&) {}
void CConsoleRunner::OnEnd() {}
