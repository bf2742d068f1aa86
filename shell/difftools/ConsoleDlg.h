#pragma once
// The Console dialog: runs a command line when it opens and shows what the program
// writes while it runs. It cannot be closed before the program has ended.

#include "shell/difftools/ConsoleEditRunner.h"

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;

class CConsoleDlg : public QDialog {
    Q_OBJECT
public:
    explicit CConsoleDlg(QWidget* parent = nullptr);
    ~CConsoleDlg() override;

    // Set by the caller before the dialog runs.
    QString Caption;
    QString CommandLine;

    // Close, Escape and the window's close box do nothing while the program runs.
    void done(int result) override;
    bool IsRunning() const { return m_runner.IsRunning(); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPlainTextEdit* m_edit;
    QPushButton* m_closeButton;
    CConsoleEditRunner m_runner;
    bool m_started = false;
};
