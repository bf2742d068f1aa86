#pragma once
// Steps on a sortable list shared by the dialog tests: find a row by a cell's text, and
// right-click the list with a popup choice queued.

#include "platform/qt/PopupMenu.h"
#include "platform/qt/SortListCtrl.h"

#include <QPoint>
#include <string>

namespace guitest {

// The first row whose cell in `column` reads `text`; -1 when none does.
inline int RowOf(const platform::CSortListCtrl& list, int column, const std::string& text)
{
    for (int row = 0; row < list.GetItemCount(); ++row)
        if (list.GetItemText(row, column) == text)
            return row;
    return -1;
}

// Right-click on the list with `choice` queued for its popup menu; returns whether the
// menu's one item was enabled.
inline bool ChooseFromPopup(platform::CSortListCtrl& list, int choice)
{
    platform::PopupMenu::SetNextChoice(choice);
    emit list.customContextMenuRequested(QPoint(5, 5));
    const auto& offered = platform::PopupMenu::LastOffered();
    return offered.size() == 1 && offered[0].id == choice && offered[0].enabled;
}

} // namespace guitest
