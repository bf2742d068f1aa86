#pragma once
// What the Top 250 and Bottom 10 dialogs share: a sortable list of one of the Ratings
// list's ranked tables, read when the dialog is made, and a right-click menu that ends the
// dialog with the title of the row, for a Movie/TV document and its Get Information.

#include "shell/core/RatingsTables.h"

#include <QDialog>
#include <string>

class CAppSettings;
class CCmdUI;
namespace platform {
class CSortListCtrl;
}

class CRankedTitlesDlg : public QDialog {
    Q_OBJECT
public:
    // Set when the dialog ends by the menu's command; `choice` is then the row's title.
    int getInformation = 0;
    std::string choice;
    platform::CSortListCtrl* list;

    // Popup menu command: the title of the current row, and the dialog ends with OK.
    void OnGetInformation();
    bool OnUpdateGetInformation(CCmdUI& cmdUI) const;

protected:
    CRankedTitlesDlg(const CAppSettings& settings, QWidget* parent, int templateId, const char* caption, int listId,
                     shellcore::RatingsTable table);

private:
    void Fill(const CAppSettings& settings, shellcore::RatingsTable table);
    void OnContextMenu(const QPoint& position);
};
