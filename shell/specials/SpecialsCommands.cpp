// The application's Specials commands: Top 250, Bottom 10, Birthdays and Deaths. Each runs
// its dialog; a row chosen from the dialog's popup menu becomes a new document, and Get
// Information runs for it. The Specials save nothing.

#include "documents/NewDocument.h"
#include "resources/CommandIds.h"
#include "shell/app/MainFrame.h"
#include "shell/app/ReelvoyagerApp.h"
#include "shell/specials/DateSearchDlg.h"
#include "shell/specials/RankedTitlesDlg.h"

using namespace resources;

namespace {

// Runs `dialog`; true when it ended by its popup command.
bool ChoiceMade(CSpecialsDlg& dialog)
{
    return dialog.exec() == QDialog::Accepted && dialog.getInformation != 0;
}

} // namespace

bool CReelvoyagerApp::OnSpecialsCommand(int id)
{
    switch (id) {
    case ID_SPECIALS_TOP250: {
        CTop250Dlg dialog(Settings, MainFrame());
        if (ChoiceMade(dialog))
            GetMovieTVInformationFor(dialog.choice);
        break;
    }
    case ID_SPECIALS_BOTTOM10: {
        CBottom10Dlg dialog(Settings, MainFrame());
        if (ChoiceMade(dialog))
            GetMovieTVInformationFor(dialog.choice);
        break;
    }
    case ID_SPECIALS_BIRTHDAYS: {
        CBirthdaysDlg dialog(Settings, MainFrame());
        if (ChoiceMade(dialog))
            GetCastCrewInformationFor(dialog.choice);
        break;
    }
    case ID_SPECIALS_DEATHS: {
        CDeathsDlg dialog(Settings, MainFrame());
        if (ChoiceMade(dialog))
            GetCastCrewInformationFor(dialog.choice);
        break;
    }
    default:
        return false;
    }
    if (MainFrame())
        MainFrame()->UpdateCommands();
    return true;
}

bool CReelvoyagerApp::OnUpdateSpecialsCommand(CCmdUI& cmdUI)
{
    switch (cmdUI.m_nID) {
    case ID_SPECIALS_TOP250:
    case ID_SPECIALS_BOTTOM10:
    case ID_SPECIALS_BIRTHDAYS:
    case ID_SPECIALS_DEATHS:
        cmdUI.Enable(true);
        return true;
    default:
        return false;
    }
}

void CReelvoyagerApp::GetMovieTVInformationFor(const std::string& title)
{
    if (CreateMovieTVDocument(m_docManager, title, title) && MainFrame())
        MainFrame()->OnMovieTVGetInformation();
}

void CReelvoyagerApp::GetCastCrewInformationFor(const std::string& name)
{
    if (CreateCastCrewDocument(m_docManager, name, name) && MainFrame())
        MainFrame()->OnCastCrewGetInformation();
}
