#include "shell/specials/RankedTitlesDlg.h"

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

#include <QPushButton>

using namespace resources;
using namespace shellcore;
using platform::CSortListCtrl;

namespace {

constexpr const char* kCannotOpen = "Error in Listfile 'Ratings':\nCouldn't open file.";
constexpr const char* kNoBeginning = "Error in Listfile 'Ratings':\nCouldn't find begining of file.";

void ShowError(QWidget* parent, const char* text)
{
    platform::MessageBox::Show(parent, text, "Error!", platform::MessageBox::IconError);
}

} // namespace

CRankedTitlesDlg::CRankedTitlesDlg(const CAppSettings& settings, QWidget* parent, int templateId, const char* caption,
                                   int listId, RatingsTable table)
    : QDialog(parent)
{
    setObjectName(QString::number(templateId));
    setWindowTitle(QString::fromLatin1(caption));
    platform::DialogTemplate layout(this, 420, 239);
    list = new CSortListCtrl(this);
    list->setObjectName(QString::number(listId));
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    layout.Place(list, 7, 7, 406, 205);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QString::number(IDOK));
    ok->setDefault(true);
    layout.Place(ok, 363, 218, 50, 14, true);
    layout.Apply();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(list, &QWidget::customContextMenuRequested, this, &CRankedTitlesDlg::OnContextMenu);

    list->InsertColumn(0, "Rank", CSortListCtrl::FormatLeft, 40, true, true);
    list->InsertColumn(1, "Title", CSortListCtrl::FormatLeft, 409, false, true);
    list->InsertColumn(2, "Votes", CSortListCtrl::FormatLeft, 90, true, false);
    list->InsertColumn(3, "Rating", CSortListCtrl::FormatLeft, 50, true, false);
    Fill(settings, table);
    // The bottom table lists the worst title last: rank 1 comes first.
    if (table == RatingsTable::Bottom)
        list->SortColumn(0);
}

void CRankedTitlesDlg::Fill(const CAppSettings& settings, RatingsTable table)
{
    list->DeleteAllItems();
    CListFile file;
    if (!file.Open(kRatings, settings)) {
        ShowError(this, kCannotOpen);
        return;
    }
    std::vector<RankedTitle> ranked;
    const ListReadStatus status = ReadRankedTitles(file, table, ranked);
    std::vector<CSortListCtrl::Row> rows;
    rows.reserve(ranked.size());
    for (RankedTitle& r : ranked)
        rows.push_back({{std::to_string(r.rank), std::move(r.title), std::move(r.votes), std::move(r.rating)}, 0});
    list->AddRows(std::move(rows));
    if (status == ListReadStatus::NoBeginning)
        ShowError(this, kNoBeginning);
    else if (status != ListReadStatus::Ok)
        ShowError(this, kCannotOpen);
}

void CRankedTitlesDlg::OnContextMenu(const QPoint& position)
{
    const int id = platform::PopupMenu::Track(this, {{ID_POPUP_GETMOVIETVINFO, kPopupMovieTVText}},
                                              list->viewport()->mapToGlobal(position),
                                              [this](CCmdUI& cmdUI) { return OnUpdateGetInformation(cmdUI); });
    if (id == ID_POPUP_GETMOVIETVINFO)
        OnGetInformation();
}

bool CRankedTitlesDlg::OnUpdateGetInformation(CCmdUI& cmdUI) const
{
    if (cmdUI.m_nID != ID_POPUP_GETMOVIETVINFO)
        return false;
    cmdUI.Enable(list->GetSelectionMark() >= 0);
    return true;
}

void CRankedTitlesDlg::OnGetInformation()
{
    const int row = list->GetSelectionMark();
    if (row < 0)
        return;
    choice = list->GetItemText(row, 1);
    getInformation = 1;
    accept();
}
