#pragma once
// The browsers of lists whose records are a title line and further lines. Each of the ten
// is this dialog over one row of the browser table (list, title rule, failure names,
// entry layout); they differ in nothing else.

#include "shell/BrowserDlg.h"
#include "shell/core/BrowserList.h"

class CListBrowserDlg : public CBrowserDlg {
    Q_OBJECT
public:
    CListBrowserDlg(shellcore::BrowserListId browser, const CAppSettings& settings, QWidget* parent = nullptr);

protected:
    void OnInitDialog() override;
    void OnSelChangeTitle() override;
    void LoadTitles(QWidget* owner) override;
    void ShowEntry() override;

private:
    const shellcore::BrowserList& m_list;
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
