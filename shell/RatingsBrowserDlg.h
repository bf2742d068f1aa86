#pragma once
// Browsers > Ratings: the titles of the Ratings list's table of all rated titles, and for
// the selected title its place in the top 250, its votes and average rating and how its
// votes spread over the ten rating values.

#include "shell/BrowserDlg.h"

class CRatingsBrowserDlg : public CBrowserDlg {
    Q_OBJECT
public:
    explicit CRatingsBrowserDlg(const CAppSettings& settings, QWidget* parent = nullptr);

protected:
    void OnInitDialog() override;
    void OnSelChangeTitle() override;
    void LoadTitles(QWidget* owner) override;
    void ShowEntry() override;
};
