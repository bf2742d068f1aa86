#include "listdata/ui/NewDocumentDlg.h"

#include "platform/qt/MessageBox.h"
#include "platform/qt/QtText.h"
#include "platform/qt/ShellOpen.h"
#include "platform/qt/WideListBox.h"
#include "resources/ControlIds.h"
#include "resources/NewDocumentIds.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>

using namespace resources;

namespace {

void SetShown(QWidget* control, bool shown)
{
    control->setEnabled(shown);
    control->setVisible(shown);
}

// The template's size in dialog units.
constexpr int kTemplateWidth = 281;
constexpr int kTemplateHeight = 176;

QString Id(int id)
{
    return QString::number(id);
}

} // namespace

CNewDocumentDlg::CNewDocumentDlg(QWidget* parent, const Template& kind)
    : QDialog(parent), m_layout(this, kTemplateWidth, kTemplateHeight), m_nothingFoundText(kind.nothingFoundText)
{
    setObjectName(Id(kind.templateId));
    setWindowTitle(QString::fromLatin1(kind.caption));

    m_resultsGroup = new QGroupBox(QString::fromLatin1(kind.listTitle), this);
    m_layout.Place(m_resultsGroup, 6, 7, 269, 80);
    m_results = new CWideListBox(this);
    m_results->setObjectName(Id(kind.resultsId));
    m_results->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_layout.Place(m_results, 12, 16, 258, 66);
    // The lines are measured in the font they are shown in.
    m_results->CopyFont(font());

    m_stringLabel = new QLabel(QStringLiteral("Search &String:"), this);
    m_stringLabel->setObjectName(Id(IDC_NEWDOC_STRINGLABEL));
    m_layout.Place(m_stringLabel, 6, 94, 46, 8, true);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(Id(IDC_NEWDOC_SEARCHTEXT));
    if (kind.maxTextLength > 0)
        m_edit->setMaxLength(kind.maxTextLength);
    m_stringLabel->setBuddy(m_edit);
    m_layout.Place(m_edit, 53, 92, 163, 14);
    m_searchButton = new QPushButton(QStringLiteral("Search"), this);
    m_searchButton->setObjectName(Id(IDC_NEWDOC_SEARCH));
    m_searchButton->setDefault(true);
    m_layout.Place(m_searchButton, 220, 92, 55, 14);

    m_status = new QLabel(QStringLiteral("Searching - Movies"), this);
    m_status->setObjectName(Id(IDC_NEWDOC_STATUS));
    m_status->setAlignment(Qt::AlignCenter);
    m_layout.Place(m_status, 6, 94, 269, 8);
    m_wait = new QLabel(QStringLiteral("Searching - Movies"), this);
    m_wait->setObjectName(Id(IDC_NEWDOC_WAIT));
    m_wait->setAlignment(Qt::AlignCenter);
    m_layout.Place(m_wait, 6, 104, 269, 8);

    m_typeGroup = new QGroupBox(QStringLiteral("Search Type"), this);
    m_typeGroup->setObjectName(Id(IDC_NEWDOC_TYPEGROUP));
    m_layout.Place(m_typeGroup, 6, 111, 150, 36);
    m_radioGroup = new QButtonGroup(this);
    const int radioPlaces[4][2] = {{12, 121}, {12, 133}, {80, 121}, {80, 133}};
    for (int i = 0; i < 4; ++i) {
        m_radios[i] = new QRadioButton(QString::fromLatin1(kind.radioTexts[i]), this);
        m_radios[i]->setObjectName(Id(kind.radioIds[i]));
        m_layout.Place(m_radios[i], radioPlaces[i][0], radioPlaces[i][1], 66, 10, true);
        m_radioGroup->addButton(m_radios[i], i);
    }

    m_cancelSearchButton = new QPushButton(QStringLiteral("Cancel Search"), this);
    m_cancelSearchButton->setObjectName(Id(IDC_NEWDOC_CANCELSEARCH));
    m_layout.Place(m_cancelSearchButton, 111, 124, 59, 14);

    m_akaCheck = new QCheckBox(QString::fromLatin1(kind.akaText), this);
    m_akaCheck->setObjectName(Id(kind.akaId));
    m_layout.Place(m_akaCheck, 12, 158, 110, 10, true);

    m_cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelButton->setObjectName(Id(IDCANCEL));
    m_layout.Place(m_cancelButton, 169, 156, 50, 14);
    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(Id(IDOK));
    m_layout.Place(m_okButton, 224, 156, 50, 14);

    m_layout.Apply();

    connect(m_edit, &QLineEdit::textChanged, this, &CNewDocumentDlg::OnSearchTextChange);
    connect(m_searchButton, &QPushButton::clicked, this, &CNewDocumentDlg::OnSearch);
    connect(m_cancelSearchButton, &QPushButton::clicked, this, &CNewDocumentDlg::OnCancelSearch);
    connect(m_results, &QListWidget::itemDoubleClicked, this, &CNewDocumentDlg::OnResultDblClk);
    connect(m_cancelButton, &QPushButton::clicked, this, &CNewDocumentDlg::OnCancel);
    connect(m_okButton, &QPushButton::clicked, this, &CNewDocumentDlg::OnOK);
}

CNewDocumentDlg::~CNewDocumentDlg() = default;

void CNewDocumentDlg::SetContext(const CAppSettings* settings, platform::CDocManager* docManager)
{
    m_settings = settings;
    m_docManager = docManager;
}

void CNewDocumentDlg::UpdateData(bool saveAndValidate)
{
    if (saveAndValidate) {
        SearchText = platform::FromQString(m_edit->text());
        SearchType = m_radioGroup->checkedId();
        AlsoAka = m_akaCheck->isChecked() ? 1 : 0;
        ExchangeExtra(true);
        return;
    }
    const QSignalBlocker blocker(m_edit);
    m_edit->setText(platform::ToQString(SearchText));
    if (SearchType >= 0 && SearchType < 4) {
        m_radios[SearchType]->setChecked(true);
    } else {
        m_radioGroup->setExclusive(false);
        for (QRadioButton* radio : m_radios)
            radio->setChecked(false);
        m_radioGroup->setExclusive(true);
    }
    m_akaCheck->setChecked(AlsoAka != 0);
    ExchangeExtra(false);
}

void CNewDocumentDlg::showEvent(QShowEvent* event)
{
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CNewDocumentDlg::OnInitDialog()
{
    UpdateData(false);
    Search().ResetFlags();
    Search().ClearResults();
    SetIdleState();
    m_edit->setFocus();
}

void CNewDocumentDlg::SetIdleState()
{
    for (QWidget* control :
         {static_cast<QWidget*>(m_status), static_cast<QWidget*>(m_wait), static_cast<QWidget*>(m_cancelSearchButton)})
        SetShown(control, false);
    m_okButton->setEnabled(m_results->GetCount() > 0);
    m_okButton->setVisible(true);
    m_cancelButton->setVisible(true);
    SetShown(m_edit, true);
    for (QRadioButton* radio : m_radios)
        SetShown(radio, true);
    SetShown(m_akaCheck, true);
    for (QWidget* control : m_extraSearchControls)
        SetShown(control, true);
    m_searchButton->setEnabled(!SearchText.empty());
    m_searchButton->setVisible(true);
    SetShown(m_stringLabel, true);
    SetShown(m_typeGroup, true);
}

void CNewDocumentDlg::SetSearchingState()
{
    for (QWidget* control :
         {static_cast<QWidget*>(m_status), static_cast<QWidget*>(m_wait), static_cast<QWidget*>(m_cancelSearchButton)})
        SetShown(control, true);
    SetShown(m_okButton, false);
    m_cancelButton->setVisible(false);
    SetShown(m_edit, false);
    for (QRadioButton* radio : m_radios)
        SetShown(radio, false);
    SetShown(m_akaCheck, false);
    for (QWidget* control : m_extraSearchControls)
        SetShown(control, false);
    SetShown(m_searchButton, false);
    SetShown(m_stringLabel, false);
    SetShown(m_typeGroup, false);
    m_cancelSearchButton->raise();
}

void CNewDocumentDlg::OnSearchTextChange()
{
    UpdateData(true);
    m_searchButton->setEnabled(!SearchText.empty());
}

void CNewDocumentDlg::OnSearch()
{
    // The button is hidden while a scan runs, but a queued click could still arrive.
    if (Searching())
        return;
    UpdateData(true);
    SetSearchingState();
    m_cancelSearchButton->setFocus();
    repaint();
    Search().SetSearchType(SearchType);
    const bool stopped = RunSearch();
    ScrollToPendingTop();
    m_status->setText(QStringLiteral("Searching - Done!"));
    m_wait->setText(QString());
    SetIdleState();
    if (!stopped)
        platform::MessageBeep(0);
    if (m_results->GetCount() == 0) {
        if (!Cancelled() && !stopped)
            platform::MessageBox::Show(this, m_nothingFoundText, "No Movies Found",
                                       platform::MessageBox::Ok | platform::MessageBox::IconInformation);
    } else {
        m_results->SetTopIndex(std::max(0, m_results->currentRow()));
    }
}

void CNewDocumentDlg::OnCancelSearch()
{
    Search().Cancel();
}

void CNewDocumentDlg::OnResultDblClk()
{
    if (!Searching())
        OnOK();
}

void CNewDocumentDlg::OnOK()
{
    if (Searching())
        return;
    std::vector<int> selected;
    for (const QModelIndex& index : m_results->selectionModel()->selectedRows())
        selected.push_back(index.row());
    std::sort(selected.begin(), selected.end());
    if (selected.size() > static_cast<std::size_t>(CNewDocumentSearch::kMaxSelected))
        selected.resize(CNewDocumentSearch::kMaxSelected);
    const std::vector<std::string>& lines = Search().Results();
    for (const int s : selected) {
        const int mainLine = Search().MainLineOf(s);
        if (mainLine < 0)
            continue;
        CreateFromLine(lines[mainLine], Search().HeadingOf(s));
    }
    // The options may have changed since the last search; the caller stores what the
    // controls show when the dialog ends.
    UpdateData(true);
    QDialog::accept();
}

void CNewDocumentDlg::OnCancel()
{
    Search().Cancel();
    QDialog::reject();
}

void CNewDocumentDlg::PumpMessages()
{
    ScrollToPendingTop();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void CNewDocumentDlg::ResultInserted(int index, const std::string& line)
{
    m_results->InsertString(index, line);
    // Scrolling lays out every line of the list, so done per line it made a long list
    // of hits fill in quadratic time; the list is only seen when the queue is pumped.
    m_pendingTop = index;
}

void CNewDocumentDlg::ScrollToPendingTop()
{
    if (m_pendingTop < 0)
        return;
    m_results->SetTopIndex(m_pendingTop);
    m_pendingTop = -1;
}

void CNewDocumentDlg::ResultDeleted(int index)
{
    m_results->DeleteString(index);
}

void CNewDocumentDlg::ResultsCleared()
{
    m_results->ResetContent();
}

void CNewDocumentDlg::SearchStatus(const std::string& status, const std::string& wait)
{
    m_status->setText(platform::ToQString(status));
    m_wait->setText(platform::ToQString(wait));
    m_status->repaint();
    m_wait->repaint();
}

void CNewDocumentDlg::ShowError(const std::string& message)
{
    ScrollToPendingTop();
    platform::MessageBox::Show(this, message, "Error!", platform::MessageBox::Ok | platform::MessageBox::IconError);
}

void CNewDocumentDlg::ShowOverflow(const std::string& message)
{
    ScrollToPendingTop();
    platform::MessageBox::Show(this, message, "Overflow!",
                               platform::MessageBox::Ok | platform::MessageBox::IconInformation);
}
