// The application's Options and Help commands: each copies its settings into its dialog,
// runs it, and only on OK copies them back, saves the settings and, where the output
// changes, rebuilds every open document's views.

#include "listdata/ListLine.h"
#include "shell/app/AboutDlg.h"
#include "shell/app/MainFrame.h"
#include "shell/app/ReelvoyagerApp.h"
#include "shell/options/CastCrewOptionsDlg.h"
#include "shell/options/FontColorDlg.h"
#include "shell/options/MovieTVOptionsDlg.h"
#include "shell/options/OutputOptionsDlg.h"
#include "shell/options/PathFilenamesDlg.h"

#include <algorithm>

void CReelvoyagerApp::OnPathFilenames()
{
    CPathFilenamesDlg dialog(MainFrame());
    dialog.ListsPath = Settings.ListsPath;
    dialog.DefaultDirectory = Settings.DefaultDirectoryPath;
    dialog.SelectedList = Settings.SelectedList;
    for (int i = 0; i < kListCount; ++i)
        dialog.FileNames[i] = Settings.Lists[i].FileName;
    dialog.FileName = Settings.Lists[std::clamp(Settings.SelectedList, 0, kListCount - 1)].FileName;
    if (dialog.exec() != QDialog::Accepted)
        return;
    Settings.ListsPath = dialog.ListsPath;
    Settings.DefaultDirectoryPath = dialog.DefaultDirectory;
    Settings.SelectedList = dialog.SelectedList;
    for (int i = 0; i < kListCount; ++i)
        Settings.Lists[i].FileName = dialog.FileNames[i];
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
    dialog.NameOutput = Settings.NameOutput;
    dialog.RemoveNameNumber = Settings.RemoveNameNumber;
    dialog.UnderlineLinks = Settings.UnderlineLinks;
    dialog.DisableLinkColor = Settings.DisableLinkColor;
    dialog.LinkColor = Settings.LinkColor;
    dialog.AlwaysShowHeaders = Settings.AlwaysShowHeaders;
    dialog.OpenMaximized = Settings.OpenMaximized;
    dialog.NoLinks = Settings.NoLinks;
    if (dialog.exec() != QDialog::Accepted)
        return;
    Settings.NameOutput = dialog.NameOutput;
    Settings.RemoveNameNumber = dialog.RemoveNameNumber;
    Settings.UnderlineLinks = dialog.UnderlineLinks;
    Settings.DisableLinkColor = dialog.DisableLinkColor;
    Settings.LinkColor = dialog.LinkColor;
    Settings.AlwaysShowHeaders = dialog.AlwaysShowHeaders;
    Settings.OpenMaximized = dialog.OpenMaximized;
    Settings.NoLinks = dialog.NoLinks;
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

void CReelvoyagerApp::OnAppAbout()
{
    CAboutDlg dialog(MainFrame(), kProviderWebAddress);
    dialog.exec();
}
