#pragma once
// One synchronous read of a list file on the GUI thread. While the guard lives, the wait
// cursor shows and the Please Wait box stands over `owner` (the main window when null),
// painted before the read starts although no events are handled until it ends; both go
// with the guard, however the read ends. The read itself catches the list reader's errors
// (they read as a list that cannot be opened). The browsers, Birthdays and Deaths, and
// Credited With read their lists this way.

#include <QPointer>

class CPleaseWaitDlg;
class QWidget;

class SyncListRead {
public:
    explicit SyncListRead(QWidget* owner);
    ~SyncListRead();
    SyncListRead(const SyncListRead&) = delete;
    SyncListRead& operator=(const SyncListRead&) = delete;

private:
    QPointer<CPleaseWaitDlg> m_box;
};
