#include "shell/specials/DateSearchDlg.h"

#include "listdata/AppSettings.h"
#include "platform/qt/SortListCtrl.h"
#include "resources/CommandIds.h"
#include "resources/MenuTables.h"
#include "resources/SpecialsIds.h"
#include "shell/app/SyncListRead.h"

#include <QDateEdit>
#include <QElapsedTimer>
#include <QLocale>
#include <QPushButton>
#include <optional>

using namespace resources;
using namespace shellcore;
using platform::CSortListCtrl;

namespace {

constexpr CSpecialsDlg::Column kBirthdaysColumns[] = {
    {"Year", 50, true, true},       {"Age", 40, true, true},         {"Name", 200, false, true},
    {"Location", 299, false, true}, {"Zuvo Name", 200, false, true},
};
constexpr CSpecialsDlg::Column kDeathsColumns[] = {
    {"Year", 50, true, true},        {"Age", 40, true, true},
    {"Name", 150, false, true},      {"Location - (Cause)", 349, false, true},
    {"Zuvo Name", 200, false, true},
};

// By kind: Births, Deaths.
constexpr CSpecialsDlg::Template kTemplates[] = {
    {IDD_BIRTHDAYS, "Birthdays", IDC_BIRTHDAYS_LIST, kBirthdaysColumns, ID_POPUP_GETCASTCREWINFO, kPopupCastCrewText,
     4},
    {IDD_DEATHS, "Deaths", IDC_DEATHS_LIST, kDeathsColumns, ID_POPUP_GETCASTCREWINFO, kPopupCastCrewText, 4},
};

// Found rows are shown at most this often while the list is read (milliseconds).
constexpr qint64 kShowInterval = 50;

// The locale's short date, with the whole year: the year picked gives a birthday's age.
QString PickerFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

} // namespace

CDateSearchDlg::CDateSearchDlg(DateSearchKind kind, const CAppSettings& settings, QWidget* parent)
    : CSpecialsDlg(kTemplates[kind == DateSearchKind::Births ? 0 : 1], parent), m_settings(settings), m_kind(kind)
{
    picker = new QDateEdit(QDate::currentDate(), this);
    picker->setObjectName(QString::number(IDC_DATE_PICKER));
    picker->setDisplayFormat(PickerFormat());
    picker->setAlignment(Qt::AlignRight);
    picker->setCalendarPopup(true);
    Place(picker, 7, 217, 82, 15, true);
    auto* search = new QPushButton(QStringLiteral("Start Search"), this);
    search->setObjectName(QString::number(IDC_START_SEARCH));
    search->setAutoDefault(false);
    Place(search, 104, 218, 50, 14, true);
    FinishLayout();
    connect(search, &QPushButton::clicked, this, &CDateSearchDlg::OnStartSearch);
}

void CDateSearchDlg::OnStartSearch()
{
    const QDate date = picker->date();
    const DateSearchQuery query{
        {date.day(), date.month(), date.year()}, m_settings.NameOutput, m_settings.RemoveNameNumber != 0};
    std::string failure;
    {
        // From the list's beginning on: the wait cursor and box, found rows shown as they come.
        std::optional<SyncListRead> read;
        std::vector<CSortListCtrl::Row> found;
        QElapsedTimer sinceShown;
        auto show = [&] {
            list->AddRows(std::move(found));
            found.clear();
            list->EnsureVisible(list->GetItemCount() - 1);
            list->viewport()->repaint();
            sinceShown.restart();
        };
        auto started = [&] {
            list->DeleteAllItems();
            read.emplace(this);
            sinceShown.start();
        };
        auto add = [&](const DateSearchRow& row) {
            found.push_back({DateSearchCells(row), 0});
            if (sinceShown.elapsed() >= kShowInterval)
                show();
        };
        failure = SearchBiographies(OpenBySettings(m_settings), m_kind, query, started, add);
        if (!read) {
            // The list was never read: its rows stay.
            ShowError(failure);
            return;
        }
        show();
    }
    list->EnsureVisible(0);
    list->Resort();
    if (!failure.empty())
        ShowError(failure);
}
