#include "shell/specials/RankedTitlesDlg.h"

#include "platform/qt/SortListCtrl.h"
#include "resources/CommandIds.h"
#include "resources/MenuTables.h"
#include "resources/SpecialsIds.h"

using namespace resources;
using namespace shellcore;

namespace {

constexpr CSpecialsDlg::Column kColumns[] = {
    {"Rank", 40, true, true},
    {"Title", 409, false, true},
    {"Votes", 90, true, false},
    {"Rating", 50, true, false},
};

// By table: Top, Bottom.
constexpr CSpecialsDlg::Template kTemplates[] = {
    {IDD_TOP250, "Top 250 Movies", IDC_TOP250_LIST, kColumns, ID_POPUP_GETMOVIETVINFO, kPopupMovieTVText, 1},
    {IDD_BOTTOM10, "Bottom 10 Movies", IDC_BOTTOM10_LIST, kColumns, ID_POPUP_GETMOVIETVINFO, kPopupMovieTVText, 1},
};

} // namespace

CRankedTitlesDlg::CRankedTitlesDlg(RatingsTable table, const CAppSettings& settings, QWidget* parent)
    : CSpecialsDlg(kTemplates[table == RatingsTable::Top ? 0 : 1], parent)
{
    FinishLayout();
    std::vector<RankedTitle> ranked;
    const std::string failure = LoadRankedTitles(OpenBySettings(settings), table, ranked);
    std::vector<platform::CSortListCtrl::Row> rows;
    rows.reserve(ranked.size());
    for (RankedTitle& row : ranked)
        rows.push_back({RankedTitleCells(std::move(row)), 0});
    list->AddRows(std::move(rows));
    if (!failure.empty())
        ShowError(failure);
    // The bottom table lists the worst title last: rank 1 comes first.
    if (table == RatingsTable::Bottom)
        list->SortColumn(0);
}
