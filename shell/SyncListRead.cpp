#include "shell/SyncListRead.h"

#include "shell/PleaseWaitDlg.h"

#include <QApplication>

SyncListRead::SyncListRead(QWidget* owner) : m_box(new CPleaseWaitDlg)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_box->Create(owner);
    // Painted once: the read that follows handles no events.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (m_box)
        m_box->repaint();
}

SyncListRead::~SyncListRead()
{
    QApplication::restoreOverrideCursor();
    // The owner may have taken the box with it.
    delete m_box.data();
}
