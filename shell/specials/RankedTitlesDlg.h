#pragma once
// Specials > Top 250 Movies and Bottom 10 Movies: the first or second table of the Ratings
// list, read when the dialog is made, each row with its rank, title, votes and rating. The
// popup's "Get Movie/TV Information" ends the dialog with the row's title.

#include "shell/core/RatingsTables.h"
#include "shell/specials/SpecialsDlg.h"

class CRankedTitlesDlg : public CSpecialsDlg {
    Q_OBJECT
public:
    CRankedTitlesDlg(shellcore::RatingsTable table, const CAppSettings& settings, QWidget* parent = nullptr);
};

// Ranks counted from 1.
using CTop250Dlg = CSpecial<CRankedTitlesDlg, shellcore::RatingsTable::Top>;
// Ranks counted down from 10, shown with rank 1 first.
using CBottom10Dlg = CSpecial<CRankedTitlesDlg, shellcore::RatingsTable::Bottom>;
