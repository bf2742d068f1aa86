#pragma once
// The small "Please Wait..." box shown while a list file is read on the GUI thread. It
// has no logic: two lines of text centred over its owner, no close box, and OK, Cancel
// or a close request only take its window down (it is never run modally). Used through
// SyncListRead.

#include <QDialog>

class QLabel;

class CPleaseWaitDlg : public QDialog {
    Q_OBJECT
public:
    // Every user passes no parent; the owner comes with Create.
    explicit CPleaseWaitDlg(QWidget* parent = nullptr);
    ~CPleaseWaitDlg() override;

    // Shows the box centred over `owner`'s window; with none, over the main window.
    void Create(QWidget* owner);
    // Takes the box's window down (the object lives on).
    void DestroyWindow();

public slots:
    void accept() override { DestroyWindow(); }
    void reject() override { DestroyWindow(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OnInitDialog();

    QLabel* m_collecting;
    QLabel* m_wait;
};
