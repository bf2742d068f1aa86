// The application's ways to a new document: the File > New commands for the two kinds,
// which run the New-document dialogs, and a document made for a title or name chosen in a
// browser, a Special or Credited With, with Get Information run on it.

#include "documents/NewDocument.h"
#include "listdata/ui/NewCastCrewDlg.h"
#include "listdata/ui/NewMovieTVDlg.h"
#include "shell/app/MainFrame.h"
#include "shell/app/ReelvoyagerApp.h"
#include "shell/app/SettingsExchange.h"

namespace {

// A search type that is no radio button of the dialog is stored as the exact search.
int ValidSearchType(int searchType)
{
    return searchType >= 0 && searchType <= 3 ? searchType : 0;
}

void ExchangeNewMovieTV(CAppSettings& s, CNewMovieTVDlg& d, bool toSettings)
{
    Exchange(s.MovieTVAlsoAka, d.AlsoAka, toSettings);
    Exchange(s.MovieTVSearchType, d.SearchType, toSettings);
}

void ExchangeNewCastCrew(CAppSettings& s, CNewCastCrewDlg& d, bool toSettings)
{
    Exchange(s.CastCrewAlsoAka, d.AlsoAka, toSettings);
    Exchange(s.CastCrewSearchType, d.SearchType, toSettings);
    Exchange(s.CastCrewSearchActors, d.SearchActors, toSettings);
    Exchange(s.CastCrewSearchActresses, d.SearchActresses, toSettings);
    Exchange(s.CastCrewSearchDirectors, d.SearchDirectors, toSettings);
    Exchange(s.CastCrewSearchOtherCrew, d.SearchOtherCrew, toSettings);
}

} // namespace

void CReelvoyagerApp::OnFileNewMovieTV()
{
    NewMovieTVDocument(LastMovieTVText);
}

void CReelvoyagerApp::OnFileNewCastCrew()
{
    NewCastCrewDocument(LastCastCrewText);
}

void CReelvoyagerApp::NewMovieTVDocument(std::string text)
{
    CNewMovieTVDlg dialog(MainFrame());
    dialog.SetContext(&Settings, &m_docManager);
    if (text.empty())
        text = LastMovieTVText;
    dialog.SearchText = text;
    ExchangeNewMovieTV(Settings, dialog, false);
    const int result = dialog.exec();
    if (MainFrame())
        MainFrame()->UpdateCommands();
    if (result != QDialog::Accepted)
        return;
    LastMovieTVText = dialog.SearchText;
    dialog.SearchType = ValidSearchType(dialog.SearchType);
    ExchangeNewMovieTV(Settings, dialog, true);
    SaveSettings();
}

void CReelvoyagerApp::NewCastCrewDocument(std::string text)
{
    CNewCastCrewDlg dialog(MainFrame());
    dialog.SetContext(&Settings, &m_docManager);
    if (text.empty())
        text = LastCastCrewText;
    dialog.SearchText = text;
    ExchangeNewCastCrew(Settings, dialog, false);
    const int result = dialog.exec();
    if (MainFrame())
        MainFrame()->UpdateCommands();
    if (result != QDialog::Accepted)
        return;
    LastCastCrewText = dialog.SearchText;
    dialog.SearchType = ValidSearchType(dialog.SearchType);
    ExchangeNewCastCrew(Settings, dialog, true);
    SaveSettings();
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
