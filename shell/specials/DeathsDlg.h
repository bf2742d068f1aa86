#pragma once
// Specials > Deaths: the people who died on the picked day and month, with their age at
// death and the cause.

#include "shell/specials/DateSearchDlg.h"

class CDeathsDlg : public CDateSearchDlg {
    Q_OBJECT
public:
    explicit CDeathsDlg(const CAppSettings& settings, QWidget* parent = nullptr)
        : CDateSearchDlg(settings, parent, Kind::Deaths)
    {
    }
};
