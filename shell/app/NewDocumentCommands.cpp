// The application's ways to a new document: the File > New commands for the two kinds,
// which run the New-document dialogs, and a document made for a title or name chosen in a
// browser, a Special or Credited With, with Get Information run on it.

#include "documents/NewDocument.h"
#include "listdata/ui/NewCastCrewDlg.h"
#include "listdata/ui/NewMovieTVDlg.h"
#include "shell/app/MainFrame.h"
#include "shell/app/ReelvoyagerApp.h"

namespace {

// A search type that is no radio button of the dialog is stored as the exact search.
int ValidSearchType(int searchType)
{
    return searchType >= 0 && searchType <= 3 ? searchType : 0;
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
    dialog.AlsoAka = Settings.MovieTVAlsoAka;
    dialog.SearchType = Settings.MovieTVSearchType;
    const int result = dialog.exec();
    if (MainFrame())
        MainFrame()->UpdateCommands();
    if (result != QDialog::Accepted)
        return;
    LastMovieTVText = dialog.SearchText;
    Settings.MovieTVAlsoAka = dialog.AlsoAka;
    Settings.MovieTVSearchType = ValidSearchType(dialog.SearchType);
    SaveSettings();
}

void CReelvoyagerApp::NewCastCrewDocument(std::string text)
{
    CNewCastCrewDlg dialog(MainFrame());
    dialog.SetContext(&Settings, &m_docManager);
    if (text.empty())
        text = LastCastCrewText;
    dialog.SearchText = text;
    dialog.AlsoAka = Settings.CastCrewAlsoAka;
    dialog.SearchType = Settings.CastCrewSearchType;
    dialog.SearchActors = Settings.CastCrewSearchActors;
    dialog.SearchActresses = Settings.CastCrewSearchActresses;
    dialog.SearchDirectors = Settings.CastCrewSearchDirectors;
    dialog.SearchOtherCrew = Settings.CastCrewSearchOtherCrew;
    const int result = dialog.exec();
    if (MainFrame())
        MainFrame()->UpdateCommands();
    if (result != QDialog::Accepted)
        return;
    LastCastCrewText = dialog.SearchText;
    Settings.CastCrewAlsoAka = dialog.AlsoAka;
    Settings.CastCrewSearchType = ValidSearchType(dialog.SearchType);
    Settings.CastCrewSearchActors = dialog.SearchActors;
    Settings.CastCrewSearchActresses = dialog.SearchActresses;
    Settings.CastCrewSearchDirectors = dialog.SearchDirectors;
    Settings.CastCrewSearchOtherCrew = dialog.SearchOtherCrew;
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
