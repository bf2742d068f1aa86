// The application's Specials commands: Top 250, Bottom 10, Birthdays and Deaths. Each runs
// its dialog; a row chosen from the dialog's popup menu becomes a new document, and Get
// Information runs for it. The Specials save nothing.

#include "shell/app/MainFrame.h"
#include "shell/app/ReelvoyagerApp.h"
#include "shell/specials/DateSearchDlg.h"
#include "shell/specials/RankedTitlesDlg.h"

namespace {

// Runs the dialog; a row chosen by its popup command goes to `getInformationFor`.
template <class Dialog>
void RunSpecial(CReelvoyagerApp& app, void (CReelvoyagerApp::*getInformationFor)(const std::string&))
{
    Dialog dialog(app.Settings, app.MainFrame());
    if (dialog.exec() == QDialog::Accepted && dialog.getInformation != 0)
        (app.*getInformationFor)(dialog.choice);
    if (app.MainFrame())
        app.MainFrame()->UpdateCommands();
}

} // namespace

void CReelvoyagerApp::OnTop250()
{
    RunSpecial<CTop250Dlg>(*this, &CReelvoyagerApp::GetMovieTVInformationFor);
}

void CReelvoyagerApp::OnBottom10()
{
    RunSpecial<CBottom10Dlg>(*this, &CReelvoyagerApp::GetMovieTVInformationFor);
}

void CReelvoyagerApp::OnBirthdays()
{
    RunSpecial<CBirthdaysDlg>(*this, &CReelvoyagerApp::GetCastCrewInformationFor);
}

void CReelvoyagerApp::OnDeaths()
{
    RunSpecial<CDeathsDlg>(*this, &CReelvoyagerApp::GetCastCrewInformationFor);
}
