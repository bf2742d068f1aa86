#pragma once
// Cast/Crew Options: the lists searched for Cast/Crew documents by default, the sort of
// the filmography ("Cast/Crew Filmography Sort") and the filmography shown after a first
// search ("Cast/Crew Default View", as radio index 0-1).

#include "shell/options/ListOptionsDlg.h"

class CCastCrewOptionsDlg : public CListOptionsDlg {
    Q_OBJECT
public:
    explicit CCastCrewOptionsDlg(QWidget* parent = nullptr);
};
