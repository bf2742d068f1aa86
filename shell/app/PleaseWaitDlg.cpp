#include "shell/app/PleaseWaitDlg.h"

#include "platform/qt/DialogTemplate.h"
#include "resources/ShellDialogIds.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>

namespace {

QWidget* MainWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(widget) && widget->isVisible())
            return widget;
    return nullptr;
}

} // namespace

CPleaseWaitDlg::CPleaseWaitDlg(QWidget* parent)
    : QDialog(parent), m_collecting(new QLabel(QStringLiteral("Collecting Information"), this)),
      m_wait(new QLabel(QStringLiteral("Please Wait..."), this))
{
    setObjectName(QString::number(resources::IDD_PLEASEWAIT));
    setWindowTitle(QStringLiteral("Please Wait..."));
    for (QLabel* label : {m_collecting, m_wait})
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

CPleaseWaitDlg::~CPleaseWaitDlg() = default;

void CPleaseWaitDlg::Create(QWidget* owner)
{
    QWidget* window = owner ? owner->window() : MainWindow();
    // A caption bar without a system menu: no close box.
    setParent(window, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    platform::DialogTemplate layout(this, 146, 47);
    layout.Place(m_collecting, 36, 12, 80, 8, true);
    layout.Place(m_wait, 54, 24, 45, 8, true);
    layout.Apply();
    OnInitDialog();
    show();
    // The frame is known once the window exists.
    OnInitDialog();
}

void CPleaseWaitDlg::OnInitDialog()
{
    QWidget* owner = parentWidget();
    QRect frame = frameGeometry();
    frame.moveCenter(owner ? owner->frameGeometry().center() : screen()->availableGeometry().center());
    move(frame.topLeft());
}

void CPleaseWaitDlg::DestroyWindow()
{
    hide();
}

void CPleaseWaitDlg::closeEvent(QCloseEvent* event)
{
    DestroyWindow();
    event->accept();
}
