// The application's Options commands: each copies its settings into its dialog,
// runs it, and only on OK copies them back, saves the settings and, where the output
// changes, rebuilds every open document's views.

#include "shell/app/MainFrame.h"
#include "shell/app/ReelvoyagerApp.h"
#include "shell/app/SettingsExchange.h"
#include "shell/options/CastCrewOptionsDlg.h"
#include "shell/options/FontColorDlg.h"
#include "shell/options/MovieTVOptionsDlg.h"
#include "shell/options/OutputOptionsDlg.h"
#include "shell/options/PathFilenamesDlg.h"

#include <algorithm>

namespace {

void ExchangePathFilenames(CAppSettings& s, CPathFilenamesDlg& d, bool toSettings)
{
    Exchange(s.ListsPath, d.ListsPath, toSettings);
    Exchange(s.DefaultDirectoryPath, d.DefaultDirectory, toSettings);
    Exchange(s.SelectedList, d.SelectedList, toSettings);
    for (int i = 0; i < kListCount; ++i)
        Exchange(s.Lists[i].FileName, d.FileNames[i], toSettings);
}

void ExchangeOutputOptions(CAppSettings& s, COutputOptionsDlg& d, bool toSettings)
{
    Exchange(s.NameOutput, d.NameOutput, toSettings);
    Exchange(s.RemoveNameNumber, d.RemoveNameNumber, toSettings);
    Exchange(s.UnderlineLinks, d.UnderlineLinks, toSettings);
    Exchange(s.DisableLinkColor, d.DisableLinkColor, toSettings);
    Exchange(s.LinkColor, d.LinkColor, toSettings);
    Exchange(s.AlwaysShowHeaders, d.AlwaysShowHeaders, toSettings);
    Exchange(s.OpenMaximized, d.OpenMaximized, toSettings);
    Exchange(s.NoLinks, d.NoLinks, toSettings);
}

} // namespace

void CReelvoyagerApp::OnPathFilenames()
{
    CPathFilenamesDlg dialog(MainFrame());
    ExchangePathFilenames(Settings, dialog, false);
    dialog.FileName = Settings.Lists[std::clamp(Settings.SelectedList, 0, kListCount - 1)].FileName;
    if (dialog.exec() != QDialog::Accepted)
        return;
    ExchangePathFilenames(Settings, dialog, true);
    SaveSettings();
    MakeDefaultDirectoryCurrent();
}

namespace {

// The two list options dialogs differ in their kind's settings only.
template <typename Dialog>
bool RunListOptions(QWidget* parent, CAppSettings& settings, int& sortOrder, int& defaultView)
{
    Dialog dialog(parent);
    for (int i = 0; i < kListCount; ++i)
        dialog.Lists[i] = settings.Lists[i];
    dialog.SortOrder = sortOrder;
    dialog.DefaultView = defaultView - 1;
    if (dialog.exec() != QDialog::Accepted)
        return false;
    for (int i = 0; i < kListCount; ++i)
        settings.Lists[i] = dialog.Lists[i];
    sortOrder = dialog.SortOrder;
    defaultView = dialog.DefaultView + 1;
    return true;
}

} // namespace

void CReelvoyagerApp::OnMovieTVOptions()
{
    if (!RunListOptions<CMovieTVOptionsDlg>(MainFrame(), Settings, Settings.CastOrder, Settings.MovieTVDefaultView))
        return;
    SaveSettings();
    UpdateAllDocuments();
}

void CReelvoyagerApp::OnCastCrewOptions()
{
    if (!RunListOptions<CCastCrewOptionsDlg>(MainFrame(), Settings, Settings.FilmographySort,
                                             Settings.CastCrewDefaultView))
        return;
    SaveSettings();
    UpdateAllDocuments();
}

void CReelvoyagerApp::OnOutputOptions()
{
    COutputOptionsDlg dialog(MainFrame());
    ExchangeOutputOptions(Settings, dialog, false);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ExchangeOutputOptions(Settings, dialog, true);
    SaveSettings();
    UpdateAllDocuments();
}

void CReelvoyagerApp::OnChangeFont()
{
    // Sizes are converted at the dots per inch the views measure their fonts in.
    const int dotsPerInch = MainFrame() ? MainFrame()->logicalDpiY() : 96;
    CFontColorDlg dialog(MainFrame(), Settings.Font, Settings.FontColor, dotsPerInch);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Settings.Font = dialog.Font;
    Settings.FontColor = dialog.Color;
    SaveSettings();
    UpdateAllDocuments();
}
