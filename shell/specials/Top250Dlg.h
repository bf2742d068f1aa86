#pragma once
// Specials > Top 250 Movies: the first table of the Ratings list, ranks counted from 1.

#include "resources/SpecialsIds.h"
#include "shell/specials/RankedTitlesDlg.h"

class CTop250Dlg : public CRankedTitlesDlg {
    Q_OBJECT
public:
    explicit CTop250Dlg(const CAppSettings& settings, QWidget* parent = nullptr)
        : CRankedTitlesDlg(settings, parent, resources::IDD_TOP250, "Top 250 Movies", resources::IDC_TOP250_LIST,
                           shellcore::RatingsTable::Top)
    {
    }
};
