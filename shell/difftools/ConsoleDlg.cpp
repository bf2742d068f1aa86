#include "shell/difftools/ConsoleDlg.h"

#include "platform/qt/DialogUnits.h"
#include "platform/qt/QtFont.h"
#include "resources/ShellDialogIds.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace resources;

CConsoleDlg::CConsoleDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QString::number(IDD_CONSOLE));
    setWindowTitle(QStringLiteral("Console"));
    m_edit = new QPlainTextEdit(this);
    m_edit->setObjectName(QString::number(IDC_CONSOLE_EDIT));
    m_edit->setReadOnly(true);
    // Read-only, but the caret keys scroll and select, as in any text one may copy from.
    m_edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_edit->setUndoRedoEnabled(false);
    m_edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_edit->setFont(platform::CourierNewFont(12));
    m_closeButton = new QPushButton(QStringLiteral("Close"), this);
    m_closeButton->setObjectName(QStringLiteral("1"));
    m_closeButton->setDefault(true);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_closeButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_edit);
    layout->addLayout(buttons);
    const platform::DialogUnits units(this);
    resize(units.X(400), units.Y(250));
}

CConsoleDlg::~CConsoleDlg() = default;

void CConsoleDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    setWindowTitle(Caption);
    m_runner.Attach(m_edit);
    // The child's own console window, where a system gives it one, stays hidden.
    m_runner.Start(CommandLine, 0);
}

void CConsoleDlg::done(int result)
{
    if (m_runner.IsRunning())
        return;
    QDialog::done(result);
}

void CConsoleDlg::closeEvent(QCloseEvent* event)
{
    if (m_runner.IsRunning()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
