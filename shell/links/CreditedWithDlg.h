#pragma once
// "Credited With...": for the person of a Cast/Crew document, everyone credited on the
// same titles in the chosen credit lists. "Start Search" reads the lists (Please Wait box,
// wait cursor); the name list shows those with at least the minimum number of shared
// titles, the title list the shared titles of the name picked, with the roles. A right-
// click menu on either list ends the dialog with the name or the title, for a new
// document and its Get Information. OK, Escape and the close box all end it with OK.

#include "shell/core/CreditList.h"
#include "shell/core/CreditedWithOptions.h"
#include "shell/core/DocumentTitles.h"

#include <QDialog>
#include <array>
#include <string>

class CAppSettings;
class CRVCDoc;
class CCmdUI;
class QCheckBox;
class QLabel;
class QSpinBox;
namespace platform {
class CSortListCtrl;
}

class CCreditedWithDlg : public QDialog {
    Q_OBJECT
public:
    using Options = shellcore::CreditedWithOptions;

    // `document` (the active Cast/Crew document) gives the person and the titles; its
    // titles are copied at each search, so it is read only then.
    CCreditedWithDlg(const CRVCDoc& document, const CAppSettings& settings, const Options& options,
                     QWidget* parent = nullptr);

    // The options as the dialog shows them.
    Options GetOptions() const;

    // Set when the dialog ended by a menu command: the title or the person's list name.
    std::string resultText;
    int titleChosen = 0;
    int nameChosen = 0;

    platform::CSortListCtrl* NameList() const { return m_nameList; }
    platform::CSortListCtrl* TitleList() const { return m_titleList; }

    void OnStartSearch();
    // The name list: rows for the entries with at least the minimum of titles.
    void FillNameList();
    // The title list and the name above it for row `row` of the name list; both empty
    // for a row the name list does not have or a name no entry has.
    void FillTitleList(int row);

    // Menu commands: end the dialog with the current row's title (list name).
    void OnGetMovieTVInformation();
    void OnGetCastCrewInformation();
    bool OnUpdatePopupCommand(CCmdUI& cmdUI) const;

    // OK, Escape and the close box: nothing while a search runs, else the dialog ends
    // with OK.
    void accept() override;
    void reject() override;

private:
    void OnNameContextMenu(const QPoint& position);
    void OnTitleContextMenu(const QPoint& position);
    void OnMinimumChanged();
    // Ends the dialog with the text in `column` of `list`'s current row, `chosen` set;
    // nothing without a current row.
    void EndWithRow(const platform::CSortListCtrl& list, int column, int& chosen);

    const std::string m_person;
    const CRVCDoc& m_document;
    const CAppSettings& m_settings;
    QSpinBox* m_minimum;
    // Filmographies to Use, then Listfiles to Search, each in the dialog's order of boxes.
    std::array<std::array<QCheckBox*, 4>, 2> m_boxes{};
    platform::CSortListCtrl* m_nameList;
    platform::CSortListCtrl* m_titleList;
    QLabel* m_listedName;
    bool m_searching = false;
    bool m_searched = false;
    shellcore::CDocumentTitles m_titles;
    shellcore::CCreditList m_credits;
};
