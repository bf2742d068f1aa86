#include "shell/app/SyncListRead.h"

#include "shell/app/PleaseWaitDlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>

namespace {
// How long the box may take to appear on the screen before the read starts anyway.
constexpr int kShowWaitMs = 300;
} // namespace

SyncListRead::SyncListRead(QWidget* owner) : m_box(new CPleaseWaitDlg)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_box->Create(owner);
    // The read that follows handles no events, so the box is painted here, once it is on
    // the screen (a window system maps a new window only when it gets round to it).
    QElapsedTimer waited;
    waited.start();
    do {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    } while (m_box && m_box->windowHandle() && !m_box->windowHandle()->isExposed() && waited.elapsed() < kShowWaitMs);
    if (m_box) {
        m_box->repaint();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

SyncListRead::~SyncListRead()
{
    QApplication::restoreOverrideCursor();
    // The owner may have taken the box with it.
    delete m_box.data();
}
