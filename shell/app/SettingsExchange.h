#pragma once
// Copies between the settings record and a dialog's members: one list of pairs serves
// both directions, into the dialog before it runs and back out on OK.

template <typename T> void Exchange(T& setting, T& member, bool toSettings)
{
    if (toSettings)
        setting = member;
    else
        member = setting;
}
