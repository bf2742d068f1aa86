#pragma once
// The list of open document windows at the foot of the Window menu, as a multi-document
// window menu has it: a separator, "&1 title" to "&9 title" in the order the windows were
// opened with the active one checked, and "&More Windows..." when there are more.
// Choosing an entry activates that window; with "Open Document Maximized" this is how
// the user reaches the others. Each entry's objectName is its command id.

#include <QList>
#include <QObject>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

class CWindowMenu : public QObject {
    Q_OBJECT
public:
    // The framework's ids of the entries: the first window's, and "More Windows...".
    static constexpr int AFX_IDM_FIRST_MDICHILD = 0xFF00;
    static constexpr int kListedWindows = 9;
    static constexpr int ID_MORE_WINDOWS = AFX_IDM_FIRST_MDICHILD + kListedWindows;

    // Fills `menu` (which owns this object) from `area` each time it is about to show.
    CWindowMenu(QMenu* menu, QMdiArea* area);

    // Brings the list up to date (done before the menu shows).
    void Refill();

private:
    void Activate(QMdiSubWindow* window);
    void OnMoreWindows();

    QMenu* m_menu;
    QMdiArea* m_area;
    QList<QAction*> m_entries;
};
