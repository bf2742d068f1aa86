#pragma once
// Specials > Bottom 10 Movies: the second table of the Ratings list, ranks counted down
// from 10 and shown with rank 1 first.

#include "resources/SpecialsIds.h"
#include "shell/specials/RankedTitlesDlg.h"

class CBottom10Dlg : public CRankedTitlesDlg {
    Q_OBJECT
public:
    explicit CBottom10Dlg(const CAppSettings& settings, QWidget* parent = nullptr)
        : CRankedTitlesDlg(settings, parent, resources::IDD_BOTTOM10, "Bottom 10 Movies", resources::IDC_BOTTOM10_LIST,
                           shellcore::RatingsTable::Bottom)
    {
    }
};
