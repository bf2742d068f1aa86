#pragma once
// What the Movie/TV Options and Cast/Crew Options dialogs share: the lists that documents
// of their kind search by default (only the lists the catalogue allows for that kind, in
// catalogue order), an order and a default view. The caller fills the members, runs the
// dialog and takes them back on OK.

#include "listdata/AppSettings.h"

#include <QDialog>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QListWidget;

class CListOptionsDlg : public QDialog {
    Q_OBJECT
public:
    // A radio group: its title, and per button its control id and text.
    struct RadioGroup {
        const char* title;
        std::vector<std::pair<int, const char*>> buttons;
    };

    // `documentKind` 0 Movie/TV, 1 Cast/Crew; the two groups are the order and the
    // default view.
    CListOptionsDlg(QWidget* parent, int templateId, const char* caption, int documentKind, const RadioGroup& order,
                    const RadioGroup& view);

    // The 48 per-list entries; only the use flag of this dialog's kind is changed.
    ListFileSettings Lists[kListCount];
    // Radio indexes of the two groups; a value that is no button checks none and comes
    // back unchanged.
    int SortOrder = -1;
    int DefaultView = -1;

    // Members to controls (false) or controls to members (true).
    void UpdateData(bool saveAndValidate);
    // The list index of each row of the check list.
    const std::vector<int>& RowLists() const { return m_rowLists; }

protected:
    void showEvent(QShowEvent* event) override;
    void accept() override;

private:
    void OnInitDialog();
    void SetAll(bool checked);
    int& UseFlag(int listIndex);
    bool Allowed(int listIndex) const;

    int m_kind;
    QListWidget* m_lists;
    QButtonGroup* m_order;
    QButtonGroup* m_view;
    std::vector<int> m_rowLists;
    bool m_initialised = false;
};
