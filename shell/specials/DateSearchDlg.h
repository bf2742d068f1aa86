#pragma once
// What the Birthdays and Deaths dialogs share: a date picker, "Start Search" that reads the
// Biographies list for the people born (died) on the picked day and month of any year,
// a sortable list of them, and a right-click menu that ends the dialog with the person's
// name as the list writes it, for a Cast/Crew document and its Get Information.

#include <QDialog>
#include <string>

class CAppSettings;
class CCmdUI;
class QDateEdit;
namespace platform {
class CSortListCtrl;
}

class CDateSearchDlg : public QDialog {
    Q_OBJECT
public:
    // Set when the dialog ends by the menu's command; `choice` is then the row's list name.
    int getInformation = 0;
    std::string choice;
    QDateEdit* picker;
    platform::CSortListCtrl* list;

    // "Start Search": the rows of the picked day replace the list's rows once the list's
    // beginning is found; the list keeps its rows when the list file cannot be read.
    void OnStartSearch();
    // Popup menu command: the list name of the current row, and the dialog ends with OK.
    void OnGetInformation();
    bool OnUpdateGetInformation(CCmdUI& cmdUI) const;

protected:
    enum class Kind { Births, Deaths };
    CDateSearchDlg(const CAppSettings& settings, QWidget* parent, Kind kind);

private:
    void OnContextMenu(const QPoint& position);

    const CAppSettings& m_settings;
    const Kind m_kind;
};
