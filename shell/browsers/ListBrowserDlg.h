#pragma once
// The browsers as the menu offers them: a caption and the two reads of a list, its titles
// and one title's entry. The ten browsers of lists whose records are a title line and
// further lines are this dialog over one row of the browser table (list, title rule,
// failure names, entry layout); the Ratings browser reads its tables its own way.

#include "shell/browsers/BrowserDlg.h"
#include "shell/core/BrowserList.h"

#include <functional>
#include <string_view>

class CListBrowserDlg : public CBrowserDlg {
    Q_OBJECT
public:
    // Fills the titles; returns the text of the message box to show, empty for none.
    using TitleReader = std::function<std::string(const shellcore::ListOpener&, shellcore::CTitleArena&)>;
    // The entry of a title, or the failure text to show in its place.
    using EntryReader = std::function<std::string(const shellcore::ListOpener&, std::string_view)>;

    CListBrowserDlg(const char* caption, TitleReader readTitles, EntryReader readEntry, const CAppSettings& settings,
                    QWidget* parent = nullptr);
    CListBrowserDlg(shellcore::BrowserListId browser, const CAppSettings& settings, QWidget* parent = nullptr);

protected:
    void OnInitDialog() override;
    void OnSelChangeTitle() override;
    void LoadTitles(QWidget* owner) override;
    void ShowEntry() override;

private:
    const char* m_caption;
    TitleReader m_readTitles;
    EntryReader m_readEntry;
};

// Browsers > Alternate Versions ... Trivia.
template <shellcore::BrowserListId Browser> class CListBrowser : public CListBrowserDlg {
public:
    explicit CListBrowser(const CAppSettings& settings, QWidget* parent = nullptr)
        : CListBrowserDlg(Browser, settings, parent)
    {
    }
};
using CAltVersionsBrowserDlg = CListBrowser<shellcore::kAltVersionsBrowser>;
using CBusinessBrowserDlg = CListBrowser<shellcore::kBusinessBrowser>;
using CCrazyCreditsBrowserDlg = CListBrowser<shellcore::kCrazyCreditsBrowser>;
using CGoofsBrowserDlg = CListBrowser<shellcore::kGoofsBrowser>;
using CMovieLinksBrowserDlg = CListBrowser<shellcore::kMovieLinksBrowser>;
using CPlotBrowserDlg = CListBrowser<shellcore::kPlotBrowser>;
using CQuotesBrowserDlg = CListBrowser<shellcore::kQuotesBrowser>;
using CSoundtracksBrowserDlg = CListBrowser<shellcore::kSoundtracksBrowser>;
using CTaglinesBrowserDlg = CListBrowser<shellcore::kTaglinesBrowser>;
using CTriviaBrowserDlg = CListBrowser<shellcore::kTriviaBrowser>;
