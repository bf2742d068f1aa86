#include "shell/difftools/DiffToolDlg.h"

#include "platform/qt/FileDialog.h"
#include "platform/qt/QtText.h"
#include "resources/ControlIds.h"
#include "resources/ShellDialogIds.h"
#include "shell/difftools/ConsoleDlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>

using namespace resources;

namespace {

// Program names here have no extension to filter by.
const char* const kAllFilesFilter = "All Files|*|";

} // namespace

CDiffToolDlg::CDiffToolDlg(const Texts& texts, std::string listsPath, QWidget* parent)
    : QDialog(parent), m_listsPath(std::move(listsPath)), m_texts(texts), m_layout(this, texts.width, texts.height)
{
    setObjectName(QString::number(texts.templateId));
    setWindowTitle(QString::fromLatin1(texts.caption));
    m_group = new QGroupBox(QString::fromLatin1(texts.groupTitle), this);

    auto* logfileCheck = AddCheck(IDC_DIFF_LOGFILE, "Use Logfile", &Logfile);
    // The check box rebuilds the command line first, then enables the log-file row.
    connect(logfileCheck, &QCheckBox::clicked, this, &CDiffToolDlg::EnableLogfile);
    AddLabel(IDC_DIFF_LOGFILELABEL, "Path to Logfile:");
    AddPathEdit(IDC_DIFF_LOGFILEPATH, &LogfilePath);
    connect(AddButton(IDC_DIFF_LOGFILEBROWSE, "Browse"), &QPushButton::clicked, this,
            &CDiffToolDlg::OnBrowseLogfile);

    AddLabel(texts.programLabelId, texts.programLabel);
    AddPathEdit(texts.programPathId, &ProgramPath);
    connect(AddButton(texts.programBrowseId, "Browse"), &QPushButton::clicked, this,
            &CDiffToolDlg::OnBrowseProgram);

    m_commandLabel = new QLabel(QStringLiteral("Command line to execute:"), this);
    m_commandLine = new QLineEdit(this);
    m_commandLine->setObjectName(QString::number(IDC_DIFF_COMMANDLINE));
    m_commandLine->setReadOnly(true);
    connect(AddButton(texts.runId, texts.runText), &QPushButton::clicked, this, &CDiffToolDlg::OnRun);
    QPushButton* ok = AddButton(IDOK, "OK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CDiffToolDlg::accept);
}

QCheckBox* CDiffToolDlg::AddCheck(int id, const char* text, int* member)
{
    auto* check = new QCheckBox(QString::fromLatin1(text), this);
    check->setObjectName(QString::number(id));
    connect(check, &QCheckBox::clicked, this, &CDiffToolDlg::BuildCommandLine);
    m_checks.emplace_back(check, member);
    return check;
}

QLineEdit* CDiffToolDlg::AddPathEdit(int id, std::string* member)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::number(id));
    connect(edit, &QLineEdit::textChanged, this, &CDiffToolDlg::BuildCommandLine);
    m_edits.emplace_back(edit, member);
    return edit;
}

QLabel* CDiffToolDlg::AddLabel(int id, const char* text)
{
    auto* label = new QLabel(QString::fromLatin1(text), this);
    label->setObjectName(QString::number(id));
    return label;
}

QPushButton* CDiffToolDlg::AddButton(int id, const char* text)
{
    auto* button = new QPushButton(QString::fromLatin1(text), this);
    button->setObjectName(QString::number(id));
    button->setAutoDefault(false);
    return button;
}

QWidget* CDiffToolDlg::Control(int id) const
{
    return findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

void CDiffToolDlg::Place(QWidget* control, int x, int y, int width, int height, bool fitText)
{
    m_layout.Place(control, x, y, width, height, fitText);
    if (control->focusPolicy() != Qt::NoFocus)
        m_tabOrder.push_back(control);
}

void CDiffToolDlg::ApplyLayout()
{
    m_layout.Apply();
    for (std::size_t i = 1; i < m_tabOrder.size(); ++i)
        setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);
}

void CDiffToolDlg::showEvent(QShowEvent* event)
{
    if (!event->spontaneous() && !m_initialized) {
        m_initialized = true;
        UpdateData(false);
        BuildCommandLine();
        EnableLogfile();
        // The first control in tab order starts with the focus.
        if (!m_tabOrder.empty())
            m_tabOrder.front()->setFocus();
    }
    QDialog::showEvent(event);
}

void CDiffToolDlg::UpdateData(bool saveAndValidate)
{
    for (auto& [check, member] : m_checks) {
        if (saveAndValidate) {
            *member = check->isChecked() ? 1 : 0;
        } else {
            const QSignalBlocker blocker(check);
            check->setChecked(*member != 0);
        }
    }
    for (auto& [edit, member] : m_edits) {
        if (saveAndValidate) {
            *member = platform::PathFromQString(edit->text());
        } else {
            const QSignalBlocker blocker(edit);
            edit->setText(platform::PathToQString(*member));
        }
    }
}

void CDiffToolDlg::BuildCommandLine()
{
    UpdateData(true);
    m_commandLine->setText(platform::PathToQString(MakeCommandLine()));
    // Shown from its start, the program first.
    m_commandLine->setCursorPosition(0);
}

void CDiffToolDlg::Refresh()
{
    UpdateData(false);
    BuildCommandLine();
}

void CDiffToolDlg::EnableLogfile()
{
    for (const int id : {IDC_DIFF_LOGFILELABEL, IDC_DIFF_LOGFILEPATH, IDC_DIFF_LOGFILEBROWSE})
        Control(id)->setEnabled(Logfile != 0);
}

void CDiffToolDlg::OnBrowseLogfile()
{
    const QString path = platform::FileDialog::GetAnyFileName(
        this, QStringLiteral("Enter Path/Filename of the Logfile:"), platform::PathToQString(LogfilePath),
        QString::fromLatin1(kAllFilesFilter));
    if (!path.isEmpty())
        LogfilePath = platform::PathFromQString(path);
    Refresh();
}

void CDiffToolDlg::OnBrowseProgram()
{
    const QString path = platform::FileDialog::GetOpenFileName(this, QString::fromLatin1(m_texts.programBrowseTitle),
                                                               platform::PathToQString(ProgramPath),
                                                               QString::fromLatin1(kAllFilesFilter));
    if (!path.isEmpty())
        ProgramPath = platform::PathFromQString(path);
    Refresh();
}

void CDiffToolDlg::OnRun()
{
    CConsoleDlg console(this);
    BuildCommandLine();
    console.Caption = QString::fromLatin1(m_texts.caption);
    console.CommandLine = m_commandLine->text();
    console.exec();
}

void CDiffToolDlg::accept()
{
    UpdateData(true);
    QDialog::accept();
}
