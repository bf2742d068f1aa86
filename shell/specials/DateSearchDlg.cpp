#include "shell/specials/DateSearchDlg.h"

#include "listdata/AppSettings.h"
#include "listdata/ListFile.h"
#include "platform/CmdUI.h"
#include "platform/qt/DialogTemplate.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/PopupMenu.h"
#include "platform/qt/SortListCtrl.h"
#include "resources/CommandIds.h"
#include "resources/ControlIds.h"
#include "resources/MenuTables.h"
#include "resources/SpecialsIds.h"
#include "shell/browsers/SyncListRead.h"
#include "shell/core/DateSearch.h"

#include <QDateEdit>
#include <QElapsedTimer>
#include <QLocale>
#include <QPushButton>
#include <exception>

using namespace resources;
using namespace shellcore;
using platform::CSortListCtrl;

namespace {

constexpr const char* kCannotOpen = "Error in Listfile 'Biographies':\nCouldn't open file.";
constexpr const char* kNoBeginning = "Error in Listfile 'Biographies':\nCouldn't find begining of file.";

// Found rows are shown at most this often while the list is read (milliseconds).
constexpr qint64 kShowInterval = 50;

void ShowError(QWidget* parent, const char* text)
{
    platform::MessageBox::Show(parent, text, "Error!", platform::MessageBox::IconError);
}

// The locale's short date, with the whole year: the year picked gives a birthday's age.
QString PickerFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

} // namespace

CDateSearchDlg::CDateSearchDlg(const CAppSettings& settings, QWidget* parent, Kind kind)
    : QDialog(parent), m_settings(settings), m_kind(kind)
{
    const bool deaths = kind == Kind::Deaths;
    setObjectName(QString::number(deaths ? IDD_DEATHS : IDD_BIRTHDAYS));
    setWindowTitle(deaths ? QStringLiteral("Deaths") : QStringLiteral("Birthdays"));
    platform::DialogTemplate layout(this, 420, 239);
    list = new CSortListCtrl(this);
    list->setObjectName(QString::number(deaths ? IDC_DEATHS_LIST : IDC_BIRTHDAYS_LIST));
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    layout.Place(list, 7, 7, 406, 205);
    picker = new QDateEdit(QDate::currentDate(), this);
    picker->setObjectName(QString::number(IDC_DATE_PICKER));
    picker->setDisplayFormat(PickerFormat());
    picker->setAlignment(Qt::AlignRight);
    picker->setCalendarPopup(true);
    layout.Place(picker, 7, 217, 82, 15, true);
    auto* search = new QPushButton(QStringLiteral("Start Search"), this);
    search->setObjectName(QString::number(IDC_START_SEARCH));
    search->setAutoDefault(false);
    layout.Place(search, 104, 218, 50, 14, true);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QString::number(IDOK));
    ok->setDefault(true);
    layout.Place(ok, 363, 218, 50, 14, true);
    layout.Apply();
    connect(search, &QPushButton::clicked, this, &CDateSearchDlg::OnStartSearch);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(list, &QWidget::customContextMenuRequested, this, &CDateSearchDlg::OnContextMenu);

    list->InsertColumn(0, "Year", CSortListCtrl::FormatLeft, 50, true, true);
    list->InsertColumn(1, "Age", CSortListCtrl::FormatLeft, 40, true, true);
    list->InsertColumn(2, "Name", CSortListCtrl::FormatLeft, deaths ? 150 : 200, false, true);
    list->InsertColumn(3, deaths ? "Location - (Cause)" : "Location", CSortListCtrl::FormatLeft, deaths ? 349 : 299,
                       false, true);
    list->InsertColumn(4, "Zuvo Name", CSortListCtrl::FormatLeft, 200, false, true);
}

void CDateSearchDlg::OnStartSearch()
{
    const QDate date = picker->date();
    CListFile file;
    if (!file.Open(kBiographies, m_settings)) {
        ShowError(this, kCannotOpen);
        return;
    }
    bool started = false;
    try {
        started = file.FindStart();
    } catch (const std::exception&) {
        ShowError(this, kCannotOpen);
        return;
    }
    if (!started) {
        ShowError(this, kNoBeginning);
        return;
    }

    list->DeleteAllItems();
    ListReadStatus status;
    {
        const SyncListRead read(this);
        std::vector<CSortListCtrl::Row> found;
        QElapsedTimer sinceShown;
        sinceShown.start();
        auto show = [&] {
            list->AddRows(std::move(found));
            found.clear();
            list->EnsureVisible(list->GetItemCount() - 1);
            list->viewport()->repaint();
            sinceShown.restart();
        };
        const DateSearchQuery query{
            {date.day(), date.month(), date.year()}, m_settings.NameOutput, m_settings.RemoveNameNumber != 0};
        auto add = [&](const DateSearchRow& row) {
            found.push_back({{std::to_string(row.year), row.hasAge ? std::to_string(row.age) : std::string(), row.name,
                              row.location, row.listName},
                             0});
            if (sinceShown.elapsed() >= kShowInterval)
                show();
        };
        status = m_kind == Kind::Deaths ? SearchDeaths(file, query, add) : SearchBirthdays(file, query, add);
        show();
    }
    list->EnsureVisible(0);
    list->Resort();
    if (status != ListReadStatus::Ok)
        ShowError(this, kCannotOpen);
}

void CDateSearchDlg::OnContextMenu(const QPoint& position)
{
    const int id = platform::PopupMenu::Track(this, {{ID_POPUP_GETCASTCREWINFO, kPopupCastCrewText}},
                                              list->viewport()->mapToGlobal(position),
                                              [this](CCmdUI& cmdUI) { return OnUpdateGetInformation(cmdUI); });
    if (id == ID_POPUP_GETCASTCREWINFO)
        OnGetInformation();
}

bool CDateSearchDlg::OnUpdateGetInformation(CCmdUI& cmdUI) const
{
    if (cmdUI.m_nID != ID_POPUP_GETCASTCREWINFO)
        return false;
    cmdUI.Enable(list->GetSelectionMark() >= 0);
    return true;
}

void CDateSearchDlg::OnGetInformation()
{
    const int row = list->GetSelectionMark();
    if (row < 0)
        return;
    choice = list->GetItemText(row, 4);
    getInformation = 1;
    accept();
}
