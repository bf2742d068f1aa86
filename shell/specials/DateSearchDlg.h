#pragma once
// Specials > Birthdays and Deaths: a date picker and "Start Search", which reads the
// Biographies list for the people born (died) on the picked day and month of any year,
// each with the year, the age (in the picked year; at death), the name, the place (and
// the cause of death) and the name as the list writes it. The popup's "Get Cast/Crew
// Information" ends the dialog with the row's list name.

#include "shell/core/DateSearch.h"
#include "shell/specials/SpecialsDlg.h"

class QDateEdit;

class CDateSearchDlg : public CSpecialsDlg {
    Q_OBJECT
public:
    CDateSearchDlg(shellcore::DateSearchKind kind, const CAppSettings& settings, QWidget* parent = nullptr);

    QDateEdit* picker;

    // "Start Search": the rows of the picked day replace the list's rows once the list's
    // beginning is found; the list keeps its rows when the list file cannot be read.
    void OnStartSearch();

private:
    const CAppSettings& m_settings;
    const shellcore::DateSearchKind m_kind;
};

using CBirthdaysDlg = CSpecial<CDateSearchDlg, shellcore::DateSearchKind::Births>;
using CDeathsDlg = CSpecial<CDateSearchDlg, shellcore::DateSearchKind::Deaths>;
