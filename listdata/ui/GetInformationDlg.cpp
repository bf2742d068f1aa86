#include "listdata/ui/GetInformationDlg.h"

#include "listdata/AppSettings.h"
#include "listdata/SearchDocument.h"
#include "platform/qt/DialogTemplate.h"
#include "platform/qt/QtText.h"
#include "resources/ControlIds.h"

#include <QFrame>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

using namespace resources;

namespace {

QPushButton* MakeButton(QWidget* parent, int id, const char* text, platform::DialogTemplate& layout, int x, int y,
                        int width = 50)
{
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::number(id));
    button->setAutoDefault(false);
    // The buttons take the room the template leaves them, widened until every caption fits.
    layout.Place(button, x, y, width, 14, true);
    return button;
}

QListWidgetItem* CheckedItem(const QString& text, bool checked)
{
    auto* item = new QListWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return item;
}

bool ListServes(int kind, int listIndex)
{
    return kind == 0 ? ListCatalog[listIndex].useMovieTV != 0 : ListCatalog[listIndex].useCastCrew != 0;
}

} // namespace

CGetInformationDlg::CGetInformationDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QString::number(IDD_GETINFORMATION));
    setWindowTitle(QStringLiteral("Get Information"));
    platform::DialogTemplate layout(this, 204, 218);

    m_listsGroup = new QGroupBox(QStringLiteral("Listfiles to use (Movie/TV) :"), this);
    m_listsGroup->setObjectName(QString::number(IDC_GI_LISTS_GROUP));
    layout.Place(m_listsGroup, 7, 7, 190, 78);
    m_listsBox = new QListWidget(this);
    m_listsBox->setObjectName(QString::number(IDC_GI_LISTS));
    m_listsBox->setSortingEnabled(false);
    layout.Place(m_listsBox, 13, 16, 119, 60);
    connect(MakeButton(this, IDC_GI_LISTS_CLEARALL, "Clear All", layout, 139, 16), &QPushButton::clicked, this,
            &CGetInformationDlg::OnListsClearAll);
    connect(MakeButton(this, IDC_GI_LISTS_SETALL, "Set All", layout, 139, 39), &QPushButton::clicked, this,
            &CGetInformationDlg::OnListsSetAll);
    connect(MakeButton(this, IDC_GI_DEFAULT, "Default", layout, 139, 62), &QPushButton::clicked, this,
            &CGetInformationDlg::OnDefault);
    connect(MakeButton(this, IDC_GI_BATCH, "Batch Search...", layout, 7, 92, 65), &QPushButton::clicked, this,
            &CGetInformationDlg::ToggleBatch);
    connect(MakeButton(this, IDCANCEL, "Cancel", layout, 77, 92), &QPushButton::clicked, this, &QDialog::reject);
    QPushButton* ok = MakeButton(this, IDOK, "Get Information", layout, 132, 92, 65);
    ok->setDefault(true);
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, &CGetInformationDlg::OnOK);

    m_divider = new QFrame(this);
    m_divider->setObjectName(QString::number(IDC_GI_DIVIDER));
    m_divider->setFrameShape(QFrame::HLine);
    m_divider->setFrameShadow(QFrame::Sunken);
    layout.Place(m_divider, 7, 115, 190, 1);

    auto* documentsGroup = new QGroupBox(QStringLiteral("Documents to Search"), this);
    layout.Place(documentsGroup, 7, 114, 190, 78);
    m_documentsBox = new QListWidget(this);
    m_documentsBox->setObjectName(QString::number(IDC_GI_DOCUMENTS));
    m_documentsBox->setSortingEnabled(false);
    layout.Place(m_documentsBox, 13, 124, 119, 60);
    QPushButton* docsClear = MakeButton(this, IDC_GI_DOCS_CLEARALL, "Clear All", layout, 139, 124);
    QPushButton* docsSet = MakeButton(this, IDC_GI_DOCS_SETALL, "Set All", layout, 139, 147);
    QPushButton* switchLists = MakeButton(this, IDC_GI_SWITCH, "Switch Listfiles", layout, 7, 197, 65);
    connect(docsClear, &QPushButton::clicked, this, &CGetInformationDlg::OnDocumentsClearAll);
    connect(docsSet, &QPushButton::clicked, this, &CGetInformationDlg::OnDocumentsSetAll);
    connect(switchLists, &QPushButton::clicked, this, &CGetInformationDlg::OnSwitchListfiles);
    m_afterDivider = {documentsGroup, m_documentsBox, docsClear, docsSet, switchLists};
    m_documentsBox->raise();

    layout.Apply();
}

CGetInformationDlg::~CGetInformationDlg() = default;

int CGetInformationDlg::ListOfRow(int kind, int row)
{
    int seen = 0;
    for (int i = 0; i < kListCount; ++i) {
        if (!ListServes(kind, i))
            continue;
        if (seen == row)
            return i;
        ++seen;
    }
    return -1;
}

void CGetInformationDlg::showEvent(QShowEvent* event)
{
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CGetInformationDlg::OnInitDialog()
{
    m_divider->hide();
    FillLists(Kind);
    for (std::size_t i = 0; i < Entries.size(); ++i) {
        const std::string text = Entries[i].document ? Entries[i].document->GetSearchKey() : std::string();
        m_documentsBox->insertItem(static_cast<int>(i), CheckedItem(platform::ToQString(text), true));
    }
    if (parentWidget()) {
        const QRect owner = parentWidget()->frameGeometry();
        move(owner.center() - rect().center());
    }
    CollapsedHeight = FullHeight = 0;
    Batch = true;
    ToggleBatch();
}

void CGetInformationDlg::FillLists(int kind)
{
    m_listsBox->clear();
    if (kind == 0 || kind == 1) {
        for (int i = 0; i < kListCount; ++i) {
            if (!ListServes(kind, i))
                continue;
            const int use = kind == 0 ? ListChoice[i].useMovieTV : ListChoice[i].useCastCrew;
            m_listsBox->addItem(CheckedItem(QString::fromLatin1(ListCatalog[i].name), use != 0));
        }
    }
    if (kind == 0)
        m_listsGroup->setTitle(QStringLiteral("Listfiles to use (Movie/TV) :"));
    else if (kind == 1)
        m_listsGroup->setTitle(QStringLiteral("Listfiles to use (Cast/Crew) :"));
    else
        m_listsGroup->setTitle(QStringLiteral("Internal Error!"));
}

void CGetInformationDlg::SaveListChecks()
{
    for (int row = 0; row < m_listsBox->count(); ++row) {
        const int list = ListOfRow(Kind, row);
        if (list < 0)
            break;
        const int checked = m_listsBox->item(row)->checkState() == Qt::Checked ? 1 : 0;
        if (Kind == 0)
            ListChoice[list].useMovieTV = checked;
        else if (Kind == 1)
            ListChoice[list].useCastCrew = checked;
    }
}

void CGetInformationDlg::ToggleBatch()
{
    Batch = !Batch;
    if (!Batch) {
        FullHeight = height();
        CollapsedHeight = m_divider->geometry().top();
        setFixedHeight(CollapsedHeight);
    } else {
        setFixedHeight(FullHeight);
    }
    for (QWidget* control : m_afterDivider)
        control->setEnabled(Batch);
    update();
}

void CGetInformationDlg::OnDefault()
{
    const CAppSettings* settings = DefaultSettings;
    if (!settings)
        return;
    for (int row = 0; row < m_listsBox->count(); ++row) {
        const int list = ListOfRow(Kind, row);
        if (list < 0)
            break;
        const int use = Kind == 0 ? settings->Lists[list].UseMovieTV : settings->Lists[list].UseCastCrew;
        m_listsBox->item(row)->setCheckState(use ? Qt::Checked : Qt::Unchecked);
    }
}

void CGetInformationDlg::OnSwitchListfiles()
{
    SaveListChecks();
    Kind = Kind == 0 ? 1 : 0;
    FillLists(Kind);
}

void CGetInformationDlg::SetAllChecks(QListWidget* box, bool checked)
{
    for (int row = 0; row < box->count(); ++row)
        box->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void CGetInformationDlg::OnOK()
{
    SaveListChecks();
    if (Batch) {
        for (std::size_t i = 0; i < Entries.size(); ++i) {
            const QListWidgetItem* item = m_documentsBox->item(static_cast<int>(i));
            Entries[i].selected = item && item->checkState() == Qt::Checked;
        }
    } else {
        for (SearchDocEntry& entry : Entries)
            entry.selected = false;
        if (CurrentEntry >= 0 && CurrentEntry < static_cast<int>(Entries.size()))
            Entries[static_cast<std::size_t>(CurrentEntry)].selected = true;
    }
    QDialog::accept();
}
