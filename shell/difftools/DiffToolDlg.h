#pragma once
// What the Deltamend and Sumwatch dialogs share: the tool's options as check boxes and
// paths, a read-only preview of the command line kept up to date on every change, a log
// file that can be switched on, the program's path, and Run, which runs the previewed
// command line in the Console dialog. Neither has a Cancel button: Escape and the close
// box cancel. The members are the settings' values (UTF-8 paths); the application
// copies them in before and out after OK.

#include "platform/qt/DialogTemplate.h"

#include <QDialog>
#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class CDiffToolDlg : public QDialog {
    Q_OBJECT
public:
    int NoStats = 0;
    int Quiet = 0;
    int Logfile = 0;
    std::string LogfilePath;
    std::string ProgramPath;

    // Takes the controls into the members and shows the resulting command line.
    void BuildCommandLine();
    // Runs the previewed command line in the Console dialog and returns when that has
    // been closed. Changes and saves no setting.
    void OnRun();

    void accept() override;

    // What tells the two dialogs apart besides their own controls.
    struct Texts {
        int templateId;
        const char* caption;
        const char* groupTitle;
        int programPathId;
        int programBrowseId;
        int programLabelId;
        const char* programLabel;
        const char* programBrowseTitle;
        int runId;
        const char* runText;
        int width;  // the template's size in dialog units
        int height;
    };

protected:
    // `listsPath` is the application's lists path (UTF-8), part of every command line.
    CDiffToolDlg(const Texts& texts, std::string listsPath, QWidget* parent);

    // The command line for the members as they stand (UTF-8).
    virtual std::string MakeCommandLine() const = 0;

    // Controls exchanged with a member; every change rebuilds the command line.
    QCheckBox* AddCheck(int id, const char* text, int* member);
    QLineEdit* AddPathEdit(int id, std::string* member);
    QLabel* AddLabel(int id, const char* text);
    QPushButton* AddButton(int id, const char* text);
    // The control with template id `id`.
    QWidget* Control(int id) const;
    QGroupBox* Group() const { return m_group; }
    QLabel* CommandLabel() const { return m_commandLabel; }

    // Places a control by its template's dialog units, in tab order (see DialogTemplate);
    // ApplyLayout places them all.
    void Place(QWidget* control, int x, int y, int width, int height, bool fitText = false);
    void ApplyLayout();

    // A member changed outside the controls: show it, and rebuild the command line.
    void Refresh();

    // The first show fills the controls from the members the caller set.
    void showEvent(QShowEvent* event) override;

    const std::string m_listsPath;

private:
    // true: controls into members; false: members into controls.
    void UpdateData(bool saveAndValidate);
    void EnableLogfile();
    void OnBrowseLogfile();
    void OnBrowseProgram();

    Texts m_texts;
    QGroupBox* m_group;
    QLineEdit* m_commandLine;
    QLabel* m_commandLabel;
    std::vector<std::pair<QCheckBox*, int*>> m_checks;
    std::vector<std::pair<QLineEdit*, std::string*>> m_edits;
    platform::DialogTemplate m_layout;
    std::vector<QWidget*> m_tabOrder;
    bool m_initialized = false;
};
