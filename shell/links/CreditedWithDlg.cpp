#include "shell/links/CreditedWithDlg.h"

#include "documents/RVCDoc.h"
#include "listdata/AppSettings.h"
#include "platform/CmdUI.h"
#include "platform/qt/DialogTemplate.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/PopupMenu.h"
#include "platform/qt/QtText.h"
#include "platform/qt/SortListCtrl.h"
#include "resources/CommandIds.h"
#include "resources/ControlIds.h"
#include "resources/LinkDialogIds.h"
#include "resources/MenuTables.h"
#include "resources/SpecialsIds.h"
#include "shell/app/SyncListRead.h"
#include "shell/core/CreditSearch.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

using namespace resources;
using namespace shellcore;
using platform::CSortListCtrl;

namespace {

constexpr int kMinimumMovies = 1;
constexpr int kMaximumMovies = 255;

// The check boxes of one group, with the option each sets and their places.
struct RoleBox {
    const char* text;
    bool CreditRoleBoxes::*option;
    int x, y, width;
};
constexpr RoleBox kRoleBoxes[4] = {
    {"Actor/Actress", &CreditRoleBoxes::actorActress, 8, 12, 72},
    {"Director", &CreditRoleBoxes::director, 104, 12, 72},
    {"Other Crew", &CreditRoleBoxes::otherCrew, 8, 25, 72},
    {"Producer", &CreditRoleBoxes::producer, 104, 25, 72},
};
// The two groups, each with the options its boxes set.
constexpr CreditRoleBoxes CreditedWithOptions::*kGroupOptions[2] = {&CreditedWithOptions::use,
                                                                    &CreditedWithOptions::search};
constexpr int kUseIds[4] = {IDC_CW_USE_ACTOR, IDC_CW_USE_DIRECTOR, IDC_CW_USE_OTHERCREW, IDC_CW_USE_PRODUCER};
constexpr int kSearchIds[4] = {IDC_CW_SEARCH_ACTOR, IDC_CW_SEARCH_DIRECTOR, IDC_CW_SEARCH_OTHERCREW,
                               IDC_CW_SEARCH_PRODUCER};

QLabel* MakeLabel(QWidget* parent, const char* text, int id = -1)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    if (id >= 0)
        label->setObjectName(QString::number(id));
    return label;
}

CSortListCtrl* MakeList(QWidget* parent, int id, const char* first, int firstWidth, const char* second,
                        int secondWidth)
{
    auto* list = new CSortListCtrl(parent);
    list->setObjectName(QString::number(id));
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    list->InsertColumn(0, first, CSortListCtrl::FormatLeft, firstWidth, false, true);
    list->InsertColumn(1, second, CSortListCtrl::FormatLeft, secondWidth, false, true);
    // Later fills keep this order (they sort again by the last sorted column).
    list->SortColumn(0);
    return list;
}

} // namespace

CCreditedWithDlg::CCreditedWithDlg(const CRVCDoc& document, const CAppSettings& settings, const Options& options,
                                   QWidget* parent)
    : QDialog(parent), m_person(document.GetPersonName()), m_document(document), m_settings(settings)
{
    setObjectName(QString::number(IDD_CREDITEDWITH));
    setWindowTitle(QStringLiteral("Credited With..."));
    platform::DialogTemplate layout(this, 460, 246);

    auto* minimumLabel = MakeLabel(this, "Minimum number of Movies:");
    layout.Place(minimumLabel, 7, 9, 92, 8, true);
    m_minimum = new QSpinBox(this);
    m_minimum->setObjectName(QString::number(IDC_CW_MINIMUM));
    m_minimum->setRange(kMinimumMovies, kMaximumMovies);
    m_minimum->setAlignment(Qt::AlignRight);
    m_minimum->setValue(std::clamp(options.minimum, kMinimumMovies, kMaximumMovies));
    minimumLabel->setBuddy(m_minimum);
    layout.Place(m_minimum, 102, 7, 36, 12);
    layout.Place(MakeLabel(this, "Beware! Searching may take some time."), 150, 9, 150, 8, true);

    const char* groups[2] = {"Filmographies to Use", "Listfiles to Search"};
    // Each group stands over its list.
    const int groupLeft[2] = {7, 229};
    const int groupWidth[2] = {215, 224};
    for (int group = 0; group < 2; ++group) {
        const int left = groupLeft[group];
        layout.Place(new QGroupBox(QString::fromLatin1(groups[group]), this), left, 24, groupWidth[group], 40);
        for (int i = 0; i < 4; ++i) {
            const RoleBox& place = kRoleBoxes[i];
            auto* box = new QCheckBox(QString::fromLatin1(place.text), this);
            box->setObjectName(QString::number(group == 0 ? kUseIds[i] : kSearchIds[i]));
            box->setChecked(options.*kGroupOptions[group].*place.option);
            layout.Place(box, left + place.x, 24 + place.y, place.width, 10, true);
            m_boxes[static_cast<std::size_t>(group)][static_cast<std::size_t>(i)] = box;
        }
    }

    m_nameList = MakeList(this, IDC_CW_NAMES, "Name", 200, "Zuvo Name", 150);
    layout.Place(m_nameList, 7, 80, 215, 140);
    m_listedName = MakeLabel(this, "", IDC_CW_LISTED_NAME);
    layout.Place(m_listedName, 229, 69, 224, 8);
    m_titleList = MakeList(this, IDC_CW_TITLES, "Title", 240, "As", 148);
    layout.Place(m_titleList, 229, 80, 224, 140);

    auto* search = new QPushButton(QStringLiteral("Start Search"), this);
    search->setObjectName(QString::number(IDC_START_SEARCH));
    search->setAutoDefault(false);
    layout.Place(search, 7, 226, 60, 14, true);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QString::number(IDOK));
    ok->setDefault(true);
    layout.Place(ok, 403, 226, 50, 14, true);
    layout.Apply();

    connect(search, &QPushButton::clicked, this, &CCreditedWithDlg::OnStartSearch);
    connect(ok, &QPushButton::clicked, this, &CCreditedWithDlg::accept);
    connect(m_minimum, &QSpinBox::valueChanged, this, &CCreditedWithDlg::OnMinimumChanged);
    connect(m_nameList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { FillTitleList(m_nameList->GetSelectionMark()); });
    connect(m_nameList, &QWidget::customContextMenuRequested, this, &CCreditedWithDlg::OnNameContextMenu);
    connect(m_titleList, &QWidget::customContextMenuRequested, this, &CCreditedWithDlg::OnTitleContextMenu);
}

CCreditedWithDlg::Options CCreditedWithDlg::GetOptions() const
{
    Options options;
    options.minimum = m_minimum->value();
    for (std::size_t group = 0; group < m_boxes.size(); ++group)
        for (std::size_t i = 0; i < m_boxes[group].size(); ++i)
            options.*kGroupOptions[group].*kRoleBoxes[i].option = m_boxes[group][i]->isChecked();
    return options;
}

void CCreditedWithDlg::OnStartSearch()
{
    if (m_searching)
        return;
    m_searching = true;
    const Options options = GetOptions();
    std::vector<std::string> failures;
    {
        const SyncListRead read(this);
        CollectDocumentTitles(m_document.GetRecords(), CreditRolesOf(options.use), m_titles);
        m_credits.RemoveAll();
        failures = SearchCreditedWith(OpenBySettings(m_settings), CreditRolesOf(options.search), m_person, m_titles,
                                      m_credits);
    }
    // Told once the wait cursor and the box have gone, in role order.
    for (const std::string& failure : failures)
        platform::MessageBox::Show(this, failure, "Error!", platform::MessageBox::Ok | platform::MessageBox::IconError);
    FillNameList();
    FillTitleList(m_nameList->GetSelectionMark());
    m_searching = false;
    m_searched = true;
}

void CCreditedWithDlg::FillNameList()
{
    std::vector<CreditNameRow> names =
        CreditNameRows(m_credits, m_minimum->value(), m_settings.NameOutput, m_settings.RemoveNameNumber != 0);
    std::vector<CSortListCtrl::Row> rows;
    rows.reserve(names.size());
    for (CreditNameRow& name : names)
        rows.push_back({{std::move(name.name), std::move(name.listName)}, 0});
    const QSignalBlocker blocker(m_nameList->selectionModel());
    m_nameList->DeleteAllItems();
    m_nameList->AddRows(std::move(rows));
    m_nameList->EnsureVisible(0);
    m_nameList->Resort();
}

void CCreditedWithDlg::FillTitleList(int row)
{
    m_titleList->DeleteAllItems();
    m_listedName->clear();
    // The row is checked against the rows shown: the minimum leaves out entries, and a
    // row of an earlier fill may be passed in.
    if (row < 0 || row >= m_nameList->GetItemCount())
        return;
    const std::string name = m_nameList->GetItemText(row, 1);
    if (m_credits.Find(name) < 0)
        return;
    m_listedName->setText(platform::ToQString(name));
    std::vector<CSortListCtrl::Row> rows;
    for (CreditTitleRow& title : CreditTitleRows(m_credits, m_titles, name))
        rows.push_back({{std::move(title.title), std::move(title.roles)}, 0});
    m_titleList->AddRows(std::move(rows));
    m_titleList->EnsureVisible(0);
    m_titleList->Resort();
}

void CCreditedWithDlg::OnMinimumChanged()
{
    if (!m_searched)
        return;
    FillNameList();
    FillTitleList(m_nameList->GetSelectionMark());
}

void CCreditedWithDlg::OnNameContextMenu(const QPoint& position)
{
    FillTitleList(m_nameList->GetSelectionMark());
    if (platform::PopupMenu::Track(this, {{ID_POPUP_GETCASTCREWINFO, kPopupCastCrewText}},
                                   m_nameList->viewport()->mapToGlobal(position),
                                   [this](CCmdUI& cmdUI) { return OnUpdatePopupCommand(cmdUI); }) ==
        ID_POPUP_GETCASTCREWINFO)
        OnGetCastCrewInformation();
}

void CCreditedWithDlg::OnTitleContextMenu(const QPoint& position)
{
    if (platform::PopupMenu::Track(this, {{ID_POPUP_GETMOVIETVINFO, kPopupMovieTVText}},
                                   m_titleList->viewport()->mapToGlobal(position),
                                   [this](CCmdUI& cmdUI) { return OnUpdatePopupCommand(cmdUI); }) ==
        ID_POPUP_GETMOVIETVINFO)
        OnGetMovieTVInformation();
}

bool CCreditedWithDlg::OnUpdatePopupCommand(CCmdUI& cmdUI) const
{
    if (cmdUI.m_nID == ID_POPUP_GETCASTCREWINFO)
        cmdUI.Enable(m_nameList->GetSelectionMark() >= 0);
    else if (cmdUI.m_nID == ID_POPUP_GETMOVIETVINFO)
        cmdUI.Enable(m_titleList->GetSelectionMark() >= 0);
    else
        return false;
    return true;
}

void CCreditedWithDlg::OnGetMovieTVInformation()
{
    EndWithRow(*m_titleList, 0, titleChosen);
}

void CCreditedWithDlg::OnGetCastCrewInformation()
{
    EndWithRow(*m_nameList, 1, nameChosen);
}

void CCreditedWithDlg::EndWithRow(const CSortListCtrl& list, int column, int& chosen)
{
    const int row = list.GetSelectionMark();
    if (row < 0)
        return;
    resultText = list.GetItemText(row, column);
    chosen = 1;
    accept();
}

void CCreditedWithDlg::accept()
{
    // The spin box holds only numbers of its range, so there is nothing to refuse.
    if (!m_searching)
        QDialog::accept();
}

void CCreditedWithDlg::reject()
{
    accept();
}
