#pragma once
// Movie/TV Options: the lists searched for Movie/TV documents by default, the order of
// the cast ("Movie/TV Cast Order") and the section shown after a first search
// ("Movie/TV Default View", as radio index 0-5).

#include "shell/options/ListOptionsDlg.h"

class CMovieTVOptionsDlg : public CListOptionsDlg {
    Q_OBJECT
public:
    explicit CMovieTVOptionsDlg(QWidget* parent = nullptr);
};
