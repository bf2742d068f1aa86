#pragma once
// The modeless window that shows one Get Information run and lets the user cancel it.
// The search thread fills it through its slots, always on the GUI thread; the frame
// creates and destroys it. It only turns Cancel and Close into the cancel flag or into
// a message to the frame.

#include <QDialog>
#include <string>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

class CSearchingDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSearchingDlg(QWidget* parent);
    ~CSearchingDlg() override;

    // 1 while the run goes on; the frame clears it when the run is done.
    int searching = 0;
    // Receives WM_SEARCHDLG_CLOSED.
    QObject* frameWindow = nullptr;

    // Identifies this dialog in its WM_SEARCHDLG_CLOSED message.
    int Serial() const { return m_serial; }
    // Hides the window and deletes the dialog once control returns to the event loop.
    void DestroyWindow();

    QListWidget* StatusList() const { return m_statusList; }
    QProgressBar* ProgressBar() const { return m_progressBar; }

    // What the search thread changes (texts Windows-1252).
    void SetCaption(const std::string& text);
    void SetUpperStatus(const std::string& text);
    void SetLowerStatus(const std::string& text);
    void ClearStatusList();
    void InsertStatusLine(int position, const std::string& text);
    void SetProgressRange(int upper);
    void StepProgress();

    // Cancel Search / Done and the Escape key.
    void OnCancel();

public slots:
    void reject() override { OnCancel(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QListWidget* m_statusList;
    QLabel* m_upperStatus;
    QLabel* m_lowerStatus;
    QProgressBar* m_progressBar;
    QPushButton* m_cancelButton;
    int m_serial;
    bool m_destroyed = false;
};
