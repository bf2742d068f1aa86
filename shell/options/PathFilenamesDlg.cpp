#include "shell/options/PathFilenamesDlg.h"

#include "platform/qt/DialogTemplate.h"
#include "platform/qt/FileDialog.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/QtText.h"
#include "resources/ControlIds.h"
#include "resources/OptionsIds.h"

#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

using namespace resources;

namespace {

const char* const kListFilter = "Zuvo ListFiles (*.list, *.lis)|*.list;*.lis|All Files (*.*)|*.*||";
const char* const kRestoreText = "Your are now about to restore all filenames\nto the standard name "
                                 "'list-name.list'.\nThe 'Path to Listfiles' will not be changed.";

QPushButton* Button(QWidget* dialog, int id, const char* text)
{
    auto* button = new QPushButton(QString::fromLatin1(text), dialog);
    button->setObjectName(QString::number(id));
    button->setAutoDefault(false);
    return button;
}

QLineEdit* Edit(QWidget* dialog, int id)
{
    auto* edit = new QLineEdit(dialog);
    edit->setObjectName(QString::number(id));
    return edit;
}

QLabel* Label(QWidget* dialog, const char* text, QWidget* buddy)
{
    auto* label = new QLabel(QString::fromLatin1(text), dialog);
    label->setBuddy(buddy);
    return label;
}

} // namespace

CPathFilenamesDlg::CPathFilenamesDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QString::number(IDD_PATHFILENAMES));
    setWindowTitle(QStringLiteral("Path/Filenames"));
    platform::DialogTemplate layout(this, 256, 199);

    m_listsPath = Edit(this, IDC_PATH_LISTSPATH);
    layout.Place(Label(this, "&Path to Listfiles:", m_listsPath), 7, 7, 120, 8, true);
    layout.Place(m_listsPath, 7, 17, 188, 13);
    QPushButton* browseLists = Button(this, IDC_PATH_BROWSELISTS, "Browse");
    layout.Place(browseLists, 199, 16, 50, 14, true);

    m_lists = new QListWidget(this);
    m_lists->setObjectName(QString::number(IDC_PATH_LISTS));
    layout.Place(Label(this, "&Listfiles:", m_lists), 7, 37, 120, 8, true);
    layout.Place(m_lists, 7, 47, 120, 96);
    m_fileName = Edit(this, IDC_PATH_FILENAME);
    layout.Place(Label(this, "&Filename:", m_fileName), 134, 47, 115, 8, true);
    layout.Place(m_fileName, 134, 57, 115, 13);
    QPushButton* browseFile = Button(this, IDC_PATH_BROWSEFILE, "Browse");
    layout.Place(browseFile, 199, 74, 50, 14, true);
    QPushButton* restore = Button(this, IDC_PATH_RESTORE, "Restore");
    layout.Place(restore, 199, 129, 50, 14, true);

    m_defaultDirectory = Edit(this, IDC_PATH_DEFAULTDIR);
    layout.Place(Label(this, "&Default Open/Save Directory:", m_defaultDirectory), 7, 150, 188, 8, true);
    layout.Place(m_defaultDirectory, 7, 160, 188, 13);
    QPushButton* browseDefault = Button(this, IDC_PATH_BROWSEDEFAULTDIR, "Browse");
    layout.Place(browseDefault, 199, 159, 50, 14, true);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QString::number(IDOK));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QString::number(IDCANCEL));
    layout.Place(ok, 145, 180, 50, 14, true);
    layout.Place(cancel, 199, 180, 50, 14, true);
    layout.Apply();

    m_listsPath->installEventFilter(this);
    m_defaultDirectory->installEventFilter(this);
    connect(m_lists, &QListWidget::currentRowChanged, this, &CPathFilenamesDlg::OnSelectList);
    connect(m_fileName, &QLineEdit::textChanged, this, [this](const QString& text) {
        FileName = platform::PathFromQString(text);
        if (SelectedList >= 0 && SelectedList < kListCount)
            FileNames[SelectedList] = FileName;
    });
    connect(m_listsPath, &QLineEdit::textChanged, this,
            [this](const QString& text) { ListsPath = platform::PathFromQString(text); });
    connect(m_defaultDirectory, &QLineEdit::textChanged, this,
            [this](const QString& text) { DefaultDirectory = platform::PathFromQString(text); });
    connect(browseLists, &QPushButton::clicked, this,
            [this] { OnBrowseFolder(ListsPath, "Choose path to ListFiles:"); });
    connect(browseDefault, &QPushButton::clicked, this,
            [this] { OnBrowseFolder(DefaultDirectory, "Choose Default Open/Save Directory:"); });
    connect(browseFile, &QPushButton::clicked, this, &CPathFilenamesDlg::OnBrowseFile);
    connect(restore, &QPushButton::clicked, this, &CPathFilenamesDlg::OnRestore);
    connect(ok, &QPushButton::clicked, this, &CPathFilenamesDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CPathFilenamesDlg::reject);
}

std::string CPathFilenamesDlg::WithSeparator(std::string path)
{
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

void CPathFilenamesDlg::UpdateData(bool saveAndValidate)
{
    if (saveAndValidate) {
        FileName = platform::PathFromQString(m_fileName->text());
        ListsPath = platform::PathFromQString(m_listsPath->text());
        DefaultDirectory = platform::PathFromQString(m_defaultDirectory->text());
        return;
    }
    // Filling the fields is no edit of the user's.
    const QSignalBlocker fileBlocker(m_fileName), pathBlocker(m_listsPath), directoryBlocker(m_defaultDirectory);
    m_fileName->setText(platform::PathToQString(FileName));
    m_listsPath->setText(platform::PathToQString(ListsPath));
    m_defaultDirectory->setText(platform::PathToQString(DefaultDirectory));
}

void CPathFilenamesDlg::showEvent(QShowEvent* event)
{
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CPathFilenamesDlg::OnInitDialog()
{
    UpdateData(false);
    for (int i = 0; i < kListCount; ++i)
        m_lists->addItem(QString::fromLatin1(ListCatalog[i].name));
    const QSignalBlocker blocker(m_lists);
    m_lists->setCurrentRow(SelectedList >= 0 && SelectedList < kListCount ? SelectedList : 0);
}

void CPathFilenamesDlg::OnSelectList(int row)
{
    if (row < 0 || row >= kListCount)
        return;
    SelectedList = row;
    FileName = FileNames[row];
    UpdateData(false);
}

bool CPathFilenamesDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == m_listsPath)
            ListsPath = WithSeparator(ListsPath);
        else if (watched == m_defaultDirectory)
            DefaultDirectory = WithSeparator(DefaultDirectory);
        if (watched == m_listsPath || watched == m_defaultDirectory)
            UpdateData(false);
    }
    return QDialog::eventFilter(watched, event);
}

void CPathFilenamesDlg::OnBrowseFolder(std::string& path, const char* title)
{
    const QString chosen =
        platform::FileDialog::GetExistingDirectory(this, QString::fromLatin1(title), platform::PathToQString(path));
    if (chosen.isEmpty())
        return;
    path = platform::PathFromQString(chosen);
    if (!path.empty() && path.back() != '/')
        path += '/';
    UpdateData(false);
}

void CPathFilenamesDlg::OnBrowseFile()
{
    const int list = SelectedList >= 0 && SelectedList < kListCount ? SelectedList : 0;
    const QString caption = QStringLiteral("Choose Filename to list '%1'.").arg(QString::fromLatin1(ListCatalog[list].name));
    const QString chosen = platform::FileDialog::GetOpenFileName(
        this, caption, platform::PathToQString(ListsPath), QString::fromLatin1(kListFilter),
        platform::PathToQString(FileNames[list]), QStringLiteral("list"));
    // Only the name is taken: the lists path stays what it is.
    if (!chosen.isEmpty())
        FileNames[list] = platform::PathFromQString(QFileInfo(chosen).fileName());
    FileName = FileNames[list];
    UpdateData(false);
}

void CPathFilenamesDlg::OnRestore()
{
    const int answer = platform::MessageBox::Show(this, kRestoreText, "Warning!",
                                                  platform::MessageBox::OkCancel |
                                                      platform::MessageBox::IconInformation |
                                                      platform::MessageBox::DefaultButton2);
    if (answer != platform::MessageBox::IdOk)
        return;
    for (int i = 0; i < kListCount; ++i)
        FileNames[i] = DefaultListFileName(i);
    if (SelectedList >= 0 && SelectedList < kListCount)
        FileName = FileNames[SelectedList];
    UpdateData(false);
}

void CPathFilenamesDlg::accept()
{
    UpdateData(true);
    // Enter takes OK without leaving the field: the folders end with "/" all the same.
    ListsPath = WithSeparator(ListsPath);
    DefaultDirectory = WithSeparator(DefaultDirectory);
    QDialog::accept();
}
