// The application's Browsers commands: each runs its browser with the letter filter the
// settings keep for it, keeps the filter on OK and, when the user asked for it, makes a
// Movie/TV document for the chosen title and runs Get Information on it.

#include "resources/CommandIds.h"
#include "shell/app/MainFrame.h"
#include "shell/app/ReelvoyagerApp.h"
#include "shell/browsers/ListBrowserDlg.h"
#include "shell/browsers/RatingsBrowserDlg.h"

#include <cstring>
#include <memory>

using namespace resources;

namespace {

struct BrowserCommand {
    int id;
    // The setting that keeps the browser's letter filter.
    const char* filterName;
    std::unique_ptr<CBrowserDlg> (*make)(const CAppSettings& settings, QWidget* parent);
};

template <class Browser> std::unique_ptr<CBrowserDlg> Make(const CAppSettings& settings, QWidget* parent)
{
    return std::make_unique<Browser>(settings, parent);
}

const BrowserCommand kBrowserCommands[] = {
    {ID_BROWSERS_ALTVERSIONS, "Alternate Versions - Browser", Make<CAltVersionsBrowserDlg>},
    {ID_BROWSERS_BUSINESS, "Business - Browser", Make<CBusinessBrowserDlg>},
    {ID_BROWSERS_CRAZYCREDITS, "Crazy Credits - Browser", Make<CCrazyCreditsBrowserDlg>},
    {ID_BROWSERS_GOOFS, "Goofs - Browser", Make<CGoofsBrowserDlg>},
    {ID_BROWSERS_MOVIELINKS, "Movie Links - Browser", Make<CMovieLinksBrowserDlg>},
    {ID_BROWSERS_PLOT, "Plot - Browser", Make<CPlotBrowserDlg>},
    {ID_BROWSERS_QUOTES, "Quotes - Browser", Make<CQuotesBrowserDlg>},
    {ID_BROWSERS_RATINGS, "Rating - Browser", Make<CRatingsBrowserDlg>},
    {ID_BROWSERS_SOUNDTRACKS, "Soundtracks - Browser", Make<CSoundtracksBrowserDlg>},
    {ID_BROWSERS_TAGLINES, "Taglines - Browser", Make<CTaglinesBrowserDlg>},
    {ID_BROWSERS_TRIVIA, "Trivia - Browser", Make<CTriviaBrowserDlg>},
};

const BrowserCommand* FindBrowserCommand(int id)
{
    for (const BrowserCommand& command : kBrowserCommands)
        if (command.id == id)
            return &command;
    return nullptr;
}

// The filters are kept in the order of their setting names, not of the command ids.
int FilterIndex(const char* filterName)
{
    for (int i = 0; i < kBrowserCount; ++i)
        if (std::strcmp(BrowserFilterNames[i], filterName) == 0)
            return i;
    return -1;
}

} // namespace

bool CReelvoyagerApp::IsBrowserCommand(int id)
{
    return FindBrowserCommand(id) != nullptr;
}

bool CReelvoyagerApp::OnBrowser(int id)
{
    const BrowserCommand* command = FindBrowserCommand(id);
    const int filter = command ? FilterIndex(command->filterName) : -1;
    if (filter < 0)
        return false;
    const std::unique_ptr<CBrowserDlg> browser = command->make(Settings, MainFrame());
    browser->LetterFilter = Settings.BrowserFilter[filter];
    const int result = browser->exec();
    if (MainFrame())
        MainFrame()->UpdateCommands();
    if (result != QDialog::Accepted)
        return true;
    Settings.BrowserFilter[filter] = browser->LetterFilter;
    SaveSettings();
    if (browser->GetInfoRequested)
        GetMovieTVInformationFor(browser->SelectedTitle);
    return true;
}
