#include "shell/app/WindowMenu.h"

#include "platform/qt/PopupMenu.h"

#include <QAction>
#include <QInputDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

CWindowMenu::CWindowMenu(QMenu* menu, QMdiArea* area) : QObject(menu), m_menu(menu), m_area(area)
{
    connect(menu, &QMenu::aboutToShow, this, &CWindowMenu::Refill);
}

void CWindowMenu::Refill()
{
    for (QAction* entry : m_entries) {
        m_menu->removeAction(entry);
        entry->deleteLater(); // it may be the entry being triggered
    }
    m_entries.clear();
    const QList<QMdiSubWindow*> windows = m_area->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty())
        return;
    m_entries.append(m_menu->addSeparator());
    QMdiSubWindow* active = m_area->activeSubWindow() ? m_area->activeSubWindow() : m_area->currentSubWindow();
    for (int i = 0; i < windows.size() && i < kListedWindows; ++i) {
        QMdiSubWindow* window = windows[i];
        const QString title = platform::MenuLiteral(window->windowTitle());
        QAction* entry = m_menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(title));
        entry->setObjectName(QString::number(AFX_IDM_FIRST_MDICHILD + i));
        // Only the active window's entry carries the check mark.
        entry->setCheckable(window == active);
        entry->setChecked(window == active);
        connect(entry, &QAction::triggered, this, [this, window] { Activate(window); });
        m_entries.append(entry);
    }
    if (windows.size() > kListedWindows) {
        QAction* more = m_menu->addAction(QStringLiteral("&More Windows..."));
        more->setObjectName(QString::number(ID_MORE_WINDOWS));
        connect(more, &QAction::triggered, this, &CWindowMenu::OnMoreWindows);
        m_entries.append(more);
    }
}

void CWindowMenu::Activate(QMdiSubWindow* window)
{
    // The window may have closed since the menu was filled.
    if (!m_area->subWindowList().contains(window))
        return;
    if (window->isMinimized())
        window->showNormal();
    m_area->setActiveSubWindow(window);
}

void CWindowMenu::OnMoreWindows()
{
    // Numbered as in the menu, so that two windows of one document stay apart.
    const QList<QMdiSubWindow*> windows = m_area->subWindowList(QMdiArea::CreationOrder);
    QStringList titles;
    int current = 0;
    for (int i = 0; i < windows.size(); ++i) {
        if (windows[i] == m_area->activeSubWindow())
            current = i;
        titles.append(QStringLiteral("%1 %2").arg(i + 1).arg(windows[i]->windowTitle()));
    }
    bool ok = false;
    const QString chosen = QInputDialog::getItem(m_area->window(), QStringLiteral("Select Window"),
                                                 QStringLiteral("&Select Window:"), titles, current, false, &ok);
    const int index = static_cast<int>(titles.indexOf(chosen));
    if (ok && index >= 0)
        Activate(windows[index]);
}
