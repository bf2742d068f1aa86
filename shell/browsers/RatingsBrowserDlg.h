#pragma once
// Browsers > Ratings: the titles of the Ratings list's table of all rated titles, and for
// the selected title its place in the top 250, its votes and average rating and how its
// votes spread over the ten rating values.

#include "shell/browsers/ListBrowserDlg.h"
#include "shell/core/RatingsTables.h"

class CRatingsBrowserDlg : public CListBrowserDlg {
    Q_OBJECT
public:
    explicit CRatingsBrowserDlg(const CAppSettings& settings, QWidget* parent = nullptr)
        : CListBrowserDlg("Ratings Browser", shellcore::LoadRatingsTitles, shellcore::ShowRatingsEntry, settings,
                          parent)
    {
    }
};
