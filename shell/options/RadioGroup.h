#pragma once
// A dialog's radio group as one stored value: the index of its checked button.

#include <QAbstractButton>
#include <QButtonGroup>

// Checks the button whose id is `index`; a value that is no button of the group leaves
// every button clear.
inline void CheckRadio(QButtonGroup* group, int index)
{
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(group->id(button) == index);
    group->setExclusive(true);
}

// The checked button's id into `value`; with no button checked `value` keeps what it
// held, so a stored value out of range comes back as it went in.
inline void ReadRadio(const QButtonGroup* group, int& value)
{
    if (group->checkedId() >= 0)
        value = group->checkedId();
}
