#pragma once
// Specials > Birthdays: the people born on the picked day and month, with their age in
// the picked year.

#include "shell/specials/DateSearchDlg.h"

class CBirthdaysDlg : public CDateSearchDlg {
    Q_OBJECT
public:
    explicit CBirthdaysDlg(const CAppSettings& settings, QWidget* parent = nullptr)
        : CDateSearchDlg(settings, parent, Kind::Births)
    {
    }
};
